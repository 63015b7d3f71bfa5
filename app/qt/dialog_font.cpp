#include "app/qt/dialog_font.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>

namespace zentrel {

void useDialogFont(QApplication& application) {
    QFont font = application.font();
    for (const char* family : {"Noto Sans CJK JP", "IPAGothic", "TakaoGothic"}) {
        if (QFontDatabase::hasFamily(family)) {
            font.setFamilies({family});
            break;
        }
    }
    font.setPointSize(9);
    application.setFont(font);
}

DialogUnits dialogUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    return DialogUnits::fromFont(
        metrics.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"),
        metrics.height());
}

}  // namespace zentrel
