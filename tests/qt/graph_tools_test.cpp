// The graph tools and the table window driven with the mouse and keys on
// Qt's offscreen platform.
#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QTreeWidget>
#include <QtTest>

#include "app/qt/window_dialog.h"
#include "tests/qt/widget_tests.h"
#include "tests/qt/window_fixture.h"

namespace zentrel {

class GraphToolsTest : public QObject, protected test::WindowFixture {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();
    void traceShowsTheCrosshairOnlyWhilePressed();
    void keysTraceOnTheGraphAreaReachedWithTab();
    void enterRegistersTheKeyTracedPoint();
    void handDragMovesTheViewAndBoxZoomsIn();
    void registeringFillsTheTableWindow();
    void windowDialogRecomputesAsTheUserTypes();

  private:
    void drawExpression(const char* text);
    // Presses Tab until the graph area has the focus.
    void tabToGraphArea();
    QImage screen() const { return find<GraphArea>("graphArea")->picture().toImage(); }
};

void GraphToolsTest::init() {
    QVERIFY(makeFolder());
    QVERIFY(openWindow(windowSetup()));
}

void GraphToolsTest::cleanup() {
    closeWindow();
}

void GraphToolsTest::drawExpression(const char* text) {
    auto* expression = find<QLineEdit>("firstExpression");
    expression->setFocus();
    QTest::keyClicks(expression, text);
    QTest::keyClick(expression, Qt::Key_Return);
    QTRY_VERIFY_WITH_TIMEOUT(!dialog_->logic().drawing(), 10000);
}

void GraphToolsTest::tabToGraphArea() {
    auto* area = find<GraphArea>("graphArea");
    for (int tabs = 0; tabs < 100 && !area->hasFocus(); ++tabs)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QVERIFY(area->hasFocus());
}

void GraphToolsTest::traceShowsTheCrosshairOnlyWhilePressed() {
    drawExpression("x");
    auto* area = find<GraphArea>("graphArea");
    const QImage before = screen();
    const QPoint at(area->width() / 2 + 30, 10);
    QTest::mousePress(area, Qt::LeftButton, {}, at);
    auto* argument = find<QLineEdit>("argumentEdit");
    QVERIFY(!argument->text().isEmpty());
    QCOMPARE(argument->selectedText(), argument->text());
    QTRY_VERIFY(screen() != before);
    QTest::mouseMove(area, at + QPoint(5, 0));
    QTest::mouseRelease(area, Qt::LeftButton, {}, at + QPoint(5, 0));
    QTRY_COMPARE(screen(), before);
}

void GraphToolsTest::keysTraceOnTheGraphAreaReachedWithTab() {
    drawExpression("sin x");
    auto* area = find<GraphArea>("graphArea");
    auto* argument = find<QLineEdit>("argumentEdit");
    const QImage before = screen();
    QVERIFY(QTest::qWaitForWindowActive(dialog_.get()));
    tabToGraphArea();
    QTest::keyClick(area, Qt::Key_Right);
    const QString first = argument->text();
    QVERIFY(!first.isEmpty());
    QCOMPARE(argument->selectedText(), first);
    QVERIFY(!find<QLineEdit>("firstValueEdit")->text().isEmpty());
    QTRY_VERIFY(screen() != before);
    QTest::keyClick(area, Qt::Key_Right);
    QVERIFY(argument->text() != first);
    QTest::keyClick(area, Qt::Key_Left);
    QCOMPARE(argument->text(), first);
    find<QLineEdit>("firstExpression")->setFocus();
    QTRY_COMPARE(screen(), before);
}

// Return and the keypad's Enter register the traced point and leave its
// argument selected in its field, where a typed number replaces it.
void GraphToolsTest::enterRegistersTheKeyTracedPoint() {
    drawExpression("sqr x");
    auto* area = find<GraphArea>("graphArea");
    auto* argument = find<QLineEdit>("argumentEdit");
    auto* list = dialog_->tableWindow().findChild<QTreeWidget*>("tableList");
    QVERIFY(list);
    QVERIFY(QTest::qWaitForWindowActive(dialog_.get()));
    tabToGraphArea();
    QTest::keyClick(area, Qt::Key_Return);
    QCOMPARE(list->topLevelItemCount(), 0);  // no point traced yet
    QTest::keyClick(area, Qt::Key_Right);
    QTest::keyClick(area, Qt::Key_Return);
    QCOMPARE(list->topLevelItemCount(), 1);
    QCOMPARE(QApplication::focusWidget(), argument);
    QCOMPARE(argument->selectedText(), argument->text());
    QTest::keyClicks(argument, "3");
    QTest::keyClick(argument, Qt::Key_Return);
    QCOMPARE(list->topLevelItemCount(), 2);
    QCOMPARE(list->topLevelItem(1)->text(0), QString("3"));

    tabToGraphArea();
    QTest::keyClick(area, Qt::Key_Right);
    QTest::keyClick(area, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(list->topLevelItemCount(), 3);
}

void GraphToolsTest::handDragMovesTheViewAndBoxZoomsIn() {
    auto* area = find<GraphArea>("graphArea");
    QTest::mouseClick(find<QAbstractButton>("handTool"), Qt::LeftButton);
    QCOMPARE(area->cursor().shape(), Qt::OpenHandCursor);
    const double offsetX = dialog_->logic().settings().rectOffsetX;
    QTest::mousePress(area, Qt::LeftButton, {}, QPoint(100, 100));
    // Qt's test mouse moves carry no buttons, so the drag is sent as an event.
    QMouseEvent drag(QEvent::MouseMove, QPointF(120, 90), area->mapToGlobal(QPointF(120, 90)),
                     Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(area, &drag);
    QTest::mouseRelease(area, Qt::LeftButton, {}, QPoint(120, 90));
    QCOMPARE(dialog_->logic().settings().rectOffsetX, offsetX + 20);

    QTest::mouseClick(find<QAbstractButton>("boxZoomTool"), Qt::LeftButton);
    const double scale = dialog_->logic().settings().rectRatioX;
    QTest::mousePress(area, Qt::LeftButton, {}, QPoint(50, 50));
    QMouseEvent box(QEvent::MouseMove, QPointF(90, 80), area->mapToGlobal(QPointF(90, 80)),
                    Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(area, &box);
    QTest::mouseRelease(area, Qt::LeftButton, {}, QPoint(90, 80));
    QVERIFY(dialog_->logic().settings().rectRatioX > scale * 4);

    QTest::mouseClick(find<QAbstractButton>("zoomOut"), Qt::LeftButton);
    QVERIFY(dialog_->logic().settings().rectRatioX < scale * 4);
}

void GraphToolsTest::registeringFillsTheTableWindow() {
    drawExpression("sqr x");
    auto* argument = find<QLineEdit>("argumentEdit");
    for (const char* x : {"2", "1", "3"}) {
        argument->setFocus();
        argument->clear();
        QTest::keyClicks(argument, x);
        QTest::keyClick(argument, Qt::Key_Return);
    }
    QCOMPARE(find<QLineEdit>("firstValueEdit")->text(), QString("9"));
    QTest::mouseClick(find<QAbstractButton>("showTableButton"), Qt::LeftButton);
    auto* list = dialog_->tableWindow().findChild<QTreeWidget*>("tableList");
    QVERIFY(list);
    QVERIFY(dialog_->tableWindow().isVisible());
    QCOMPARE(list->topLevelItemCount(), 3);
    QCOMPARE(list->topLevelItem(0)->text(0), QString("1"));
    QCOMPARE(list->topLevelItem(2)->text(1), QString("9"));
    QCOMPARE(list->headerItem()->text(1), QString("y"));
    list->setCurrentItem(list->topLevelItem(0));
    QTest::mouseClick(dialog_->tableWindow().findChild<QAbstractButton*>("showButton"),
                      Qt::LeftButton);
    QCOMPARE(argument->text(), QString("1"));
    QTest::mouseClick(dialog_->tableWindow().findChild<QAbstractButton*>("deleteButton"),
                      Qt::LeftButton);
    QCOMPARE(list->topLevelItemCount(), 2);
    QCOMPARE(list->currentItem()->text(0), QString("2"));
}

void GraphToolsTest::windowDialogRecomputesAsTheUserTypes() {
    WindowSettingsDialog dialog(
        [this](WindowDialogView& view) { return dialog_->logic().windowDialog(view); },
        dialog_.get());
    auto* unitX = dialog.findChild<QLineEdit*>("unitXEdit");
    auto* left = dialog.findChild<QLineEdit*>("leftEdit");
    QVERIFY(unitX && left);
    QCOMPARE(unitX->text(), QString("10.0"));
    QVERIFY(!left->isEnabled());
    const QString leftBefore = left->text();
    unitX->selectAll();
    QTest::keyClicks(unitX, "20");
    QVERIFY(left->text() != leftBefore);
    QCOMPARE(left->text().toDouble(), leftBefore.toDouble() / 2);
    QTest::mouseClick(dialog.findChild<QAbstractButton*>("resetButton"), Qt::LeftButton);
    QCOMPARE(unitX->text(), QString("10.0"));
}

int runGraphToolsTests(int argc, char** argv) {
    GraphToolsTest test;
    return QTest::qExec(&test, argc, argv);
}

}  // namespace zentrel

#include "graph_tools_test.moc"
