#include "app/qt/dialog_font.h"

#include <QApplication>
#include <QFontDatabase>

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

}  // namespace zentrel
