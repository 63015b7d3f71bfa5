// The calculator window's widgets driven as a user drives them, on Qt's
// offscreen platform: typing, keys and clicks on the real controls, then the
// graph bitmap on the screen, the fields and the files written.
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QRadioButton>
#include <QtTest>
#include <csignal>
#include <fstream>

#include "app/qt/shutdown_signals.h"
#include "graphics/palette.h"
#include "tests/qt/widget_tests.h"
#include "tests/qt/window_fixture.h"

namespace zentrel {

class MainDialogTest : public QObject, protected test::WindowFixture {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();
    void enterDrawsTheTypedExpression();
    void coordinateSystemsAndAngleUnitsChangeTheFields();
    void escStopsADrawThatNeverEnds();
    void closingWritesTheSettingsAndTheHistory();
    void everyControlIsNamedAndInPlace();
    void shutDownSignalsReachTheWindowThread();
    void f1ShowsTheProgramAndItsVersion();
    void keysAndFunctionButtonsEditTheFocusedField();
    void theHelpLineFollowsTheMouse();
    void theFunctionListFollowsItsFolder();

  private:
    void waitForDraw();
    QStringList history() const;
    // The colour the graph area shows at a pixel of the bitmap.
    QRgb shown(int x, int y) const;
};

void MainDialogTest::init() {
    QVERIFY(makeFolder());
    QVERIFY(openWindow(windowSetup()));
}

void MainDialogTest::cleanup() {
    closeWindow();
}

void MainDialogTest::waitForDraw() {
    QTRY_VERIFY_WITH_TIMEOUT(!dialog_->logic().drawing(), 10000);
}

QStringList MainDialogTest::history() const {
    QStringList lines;
    auto* list = find<QListWidget>("historyList");
    for (int i = 0; i < list->count(); ++i)
        lines << list->item(i)->text();
    return lines;
}

QRgb MainDialogTest::shown(int x, int y) const {
    return find<GraphArea>("graphArea")->picture().toImage().pixel(x, y);
}

QRgb paletteColour(ColourChoice choice) {
    const Rgb colour = standardPalette()[paletteIndex(choice)];
    return qRgb(colour.r, colour.g, colour.b);
}

void MainDialogTest::enterDrawsTheTypedExpression() {
    auto* expression = find<QLineEdit>("firstExpression");
    QCOMPARE(QApplication::focusWidget(), expression);
    QTest::keyClicks(expression, "sin x");
    QTest::keyClick(expression, Qt::Key_Return);
    waitForDraw();
    QCOMPARE(history().last(), QString(":plot [\"sin x] 250"));
    QCOMPARE(history().first(), QString(":rad"));

    // Every column of the bitmap holds the curve, and the screen shows it.
    const GraphCanvas& canvas = dialog_->logic().canvas();
    const std::uint8_t lime = paletteIndex(ColourChoice::Lime);
    int curvePixels = 0;
    for (int x = 1; x < canvas.width() - 1; ++x) {
        int found = -1;
        for (int y = 0; y < canvas.height() && found < 0; ++y) {
            if (canvas.getPixel(x, y) == lime) found = y;
        }
        QVERIFY2(found >= 0, qPrintable(QString("column %1 has no curve").arg(x)));
        QCOMPARE(shown(x, found), paletteColour(ColourChoice::Lime));
        ++curvePixels;
    }
    QVERIFY(curvePixels > 100);
    QCOMPARE(shown(0, 0), paletteColour(ColourChoice::Teal));
    // The painted widget agrees with the picture it paints.
    const QImage painted = find<GraphArea>("graphArea")->grab().toImage();
    QCOMPARE(painted.pixel(canvas.width() / 2, 1), paletteColour(ColourChoice::Cyan));

    // The "=" key draws the same expression again, recorded without it.
    QTest::mouseClick(find<QAbstractButton>("equalsKey"), Qt::LeftButton);
    waitForDraw();
    QCOMPARE(history().last(), QString(":plot"));
    QCOMPARE(QApplication::focusWidget(), expression);
    QCOMPARE(find<QLabel>("messageLine")->text(), QString());
}

void MainDialogTest::coordinateSystemsAndAngleUnitsChangeTheFields() {
    auto* coordinates = find<QComboBox>("coordinateList");
    coordinates->setCurrentIndex(4);
    QCOMPARE(find<QLabel>("argumentLabel")->text(), QString("t="));
    QCOMPARE(find<QLabel>("firstExpressionLabel")->text(), QString("x="));
    QCOMPARE(find<QLabel>("secondExpressionLabel")->text(), QString("y="));
    auto* second = find<QLineEdit>("secondExpression");
    QVERIFY(second->isEnabled());
    QCOMPARE(find<QLineEdit>("maxEdit")->text(), QString("360"));
    QTest::keyClicks(find<QLineEdit>("firstExpression"), "3*cos t");
    QTest::keyClicks(second, "3*sin t");
    QTest::keyClick(second, Qt::Key_Return);
    waitForDraw();
    QVERIFY(history().contains(":parametric"));
    QCOMPARE(history().last(), QString(":plot [\"3*cos t] [\"3*sin t] 0 360 1 250"));
    // The curve starts at (3, 0).
    const GraphCanvas& canvas = dialog_->logic().canvas();
    const WorldTransform& transform = canvas.getTransform();
    QCOMPARE(canvas.getPixel(*transform.pixelX(3.0), *transform.pixelY(0.0)),
             paletteIndex(ColourChoice::Lime));

    coordinates->setCurrentIndex(5);
    QVERIFY(!second->isEnabled());
    QCOMPARE(find<QLabel>("firstExpressionLabel")->text(), QString("r="));
    QTest::mouseClick(find<QRadioButton>("degRadio"), Qt::LeftButton);
    QCOMPARE(find<QLineEdit>("maxEdit")->text(), QString("360"));
    QTest::mouseClick(find<QRadioButton>("radRadio"), Qt::LeftButton);
    QCOMPARE(find<QLineEdit>("maxEdit")->text(), QString("6.283185307179586"));
    QVERIFY(find<QRadioButton>("radRadio")->isChecked());

    coordinates->setCurrentIndex(1);
    QCOMPARE(find<QLabel>("argumentLabel")->text(), QString("x="));
    QVERIFY(!find<QLineEdit>("maxEdit")->isEnabled());
    QTest::keyClicks(find<QLineEdit>("firstExpression"), "x");
    QTest::keyClick(find<QLineEdit>("firstExpression"), Qt::Key_Return);
    waitForDraw();
    QVERIFY(history().contains(":logscale x 10; :nologscale y"));
}

void MainDialogTest::escStopsADrawThatNeverEnds() {
    auto* expression = find<QLineEdit>("firstExpression");
    QTest::keyClicks(expression, "while 1; endwhile");
    QTest::keyClick(expression, Qt::Key_Return);
    QVERIFY(dialog_->logic().drawing());
    QTest::qWait(100);
    QVERIFY(dialog_->logic().drawing());
    QElapsedTimer timer;
    timer.start();
    QTest::keyClick(expression, Qt::Key_Escape);
    waitForDraw();
    QVERIFY(timer.elapsed() < 200);
    QCOMPARE(find<QLabel>("messageLine")->text(), QString("実行を中断しました"));
    QVERIFY(dialog_->isVisible());
    QVERIFY(history().isEmpty());
}

void MainDialogTest::closingWritesTheSettingsAndTheHistory() {
    find<QComboBox>("colourList")->setCurrentIndex(2);
    auto* expression = find<QLineEdit>("firstExpression");
    QTest::keyClicks(expression, "x*x");
    QTest::keyClick(expression, Qt::Key_Return);
    waitForDraw();
    QTest::mouseClick(find<QRadioButton>("gradRadio"), Qt::LeftButton);
    waitForDraw();
    dialog_->move(40, 50);
    dialog_->close();
    const QString settings = fileText("MORVIK.INI");
    QVERIFY(settings.contains("[ENVIRONMENT]\nClearCache=1\nCacheSize=-1\nAngle=2\n"));
    QVERIFY(settings.contains("GraphColor=2\n"));
    QVERIFY(settings.contains("PosX=40\n"));
    const QString log = fileText("Zentrel.log");
    QVERIFY(log.startsWith("func window left bottom right top backcolor scalecolor\n"));
    QVERIFY(log.contains(":gworld "));
    QVERIFY(log.contains(":plot [\"x*x] 249\n"));
    QVERIFY(log.contains(QRegularExpression(":grad\nwindow [^\n]* 6 254\n:plot\n$")));
}

void MainDialogTest::everyControlIsNamedAndInPlace() {
    const DialogUnits& units = dialog_->units();
    QCOMPARE(dialog_->width(), units.toPixelsX(196));
    QCOMPARE(dialog_->height(), units.toPixelsY(305));
    QCOMPARE(dialog_->windowTitle(), QString("関数グラフ"));
    const QSize graph = find<GraphArea>("graphArea")->size();
    QCOMPARE(graph, QSize(units.toPixelsX(180), units.toPixelsY(121)));
    QCOMPARE(dialog_->logic().canvas().width(), graph.width());
    for (const ControlRow& row : mainWindowControls()) {
        QWidget* control = find<QWidget>(row.objectName.data());
        const bool takesInput = qobject_cast<QAbstractButton*>(control) ||
                                qobject_cast<QLineEdit*>(control) ||
                                qobject_cast<QComboBox*>(control);
        if (takesInput && row.kind != ControlKind::FunctionList) {
            QVERIFY2(!control->accessibleName().isEmpty(), row.objectName.data());
        }
        const PixelRect place = units.toPixels(row.rect);
        QCOMPARE(control->geometry(), QRect(place.x, place.y, place.width, place.height));
    }
    QCOMPARE(find<QAbstractButton>("drawButton")->accessibleName(), QString("グラフの描画"));
    QCOMPARE(find<QLineEdit>("pitchEdit")->accessibleName(), QString("ptch"));
    QVERIFY(find<QAbstractButton>("key7")->isEnabled());
    QVERIFY(!find<QAbstractButton>("functionButton14")->isEnabled());
    QVERIFY(find<QAbstractButton>("drawButton")->isEnabled());
}

void MainDialogTest::shutDownSignalsReachTheWindowThread() {
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
        int calls = 0;
        const ShutdownSignals handlers([&] { ++calls; });
        QVERIFY(handlers.installed());
        QCOMPARE(::raise(signal), 0);
        QTRY_COMPARE(calls, 1);
    }
}

void MainDialogTest::f1ShowsTheProgramAndItsVersion() {
    QString shown;
    QTimer::singleShot(200, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown = box->text();
            box->accept();
        }
    });
    QTest::keyClick(find<QLineEdit>("firstExpression"), Qt::Key_F1);
    QCOMPARE(shown, QString("Zentrel 関数グラフ\nバージョン 2.3"));
}

void MainDialogTest::keysAndFunctionButtonsEditTheFocusedField() {
    auto* expression = find<QLineEdit>("firstExpression");
    const auto click = [this](const char* name) {
        QTest::mouseClick(find<QAbstractButton>(name), Qt::LeftButton);
    };
    QTest::keyClicks(expression, "x+1");
    click("keyWrap");
    QCOMPARE(expression->text(), QString("(x+1)"));
    click("functionButton1");
    QCOMPARE(expression->text(), QString("(x+1)sin "));
    QTest::keyClick(expression, Qt::Key_Left);
    QTest::keyClick(expression, Qt::Key_Backspace);
    QCOMPARE(expression->text(), QString("(x+1)"));
    QCOMPARE(QApplication::focusWidget(), expression);

    // Four pages, then the first again.
    auto* first = find<QAbstractButton>("functionButton1");
    const QStringList labels{"log", "rand", "---", "sin"};
    for (const QString& label : labels) {
        click("shiftButton");
        QCOMPARE(first->text(), label);
    }

    auto* argument = find<QLineEdit>("argumentEdit");
    QTest::mouseClick(argument, Qt::LeftButton);
    argument->selectAll();
    click("keyNegative");
    click("key2");
    click("keyPoint");
    click("key5");
    QCOMPARE(argument->text(), QString("\\-2.5"));
    QCOMPARE(QApplication::focusWidget(), argument);
    click("keyClearField");
    QCOMPARE(argument->text(), QString());
    QCOMPARE(expression->text(), QString("(x+1)"));
}

void MainDialogTest::theHelpLineFollowsTheMouse() {
    auto* help = find<QLabel>("helpLine");
    QWidget* button = find<QWidget>("functionButton1");
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), button->mapToGlobal(QPointF(2, 2)));
    QApplication::sendEvent(button, &enter);
    QCOMPARE(help->text(), QString("sin <x>\n正弦"));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(button, &leave);
    QCOMPARE(help->text(), QString());
}

void MainDialogTest::theFunctionListFollowsItsFolder() {
    auto* list = find<QComboBox>("functionList");
    QCOMPARE(list->count(), 0);
    std::ofstream(folder_->filePath("gamma.vdl").toStdString()) << "# the gamma function\n1\n";
    QTRY_COMPARE(list->count(), 1);
    QCOMPARE(list->itemText(0), QString("gamma - the gamma function"));
    QTest::mouseClick(find<QAbstractButton>("keyCall"), Qt::LeftButton);
    QCOMPARE(find<QLineEdit>("firstExpression")->text(), QString("!gamma "));
}

int runMainDialogTests(int argc, char** argv) {
    MainDialogTest test;
    return QTest::qExec(&test, argc, argv);
}

}  // namespace zentrel

#include "main_dialog_test.moc"
