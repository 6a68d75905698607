#include "tavlineedit.h"

#include <QHelpEvent>
#include <QtTest>

// The hint line edit: the grey hint while empty, the focus square flag, and
// the tooltip on focus.
class TestTAVLineEdit : public QObject
{
    Q_OBJECT
private slots:
    void hintOnlyWhileEmpty();
    void selectionSquareFollowsFlag();
    void focusOpensTooltipAtCursor();
};

namespace {
QImage shot(QWidget &widget)
{
    return widget.grab().toImage().convertToFormat(QImage::Format_ARGB32);
}

// Grey pixels (equal channels, mid brightness) in the band where the hint is drawn.
int greyPixels(const QImage &image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 8; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (qAbs(qRed(p) - qGreen(p)) < 8 && qAbs(qGreen(p) - qBlue(p)) < 8 && qRed(p) > 90 && qRed(p) < 200)
                ++count;
        }
    }
    return count;
}

class ToolTipCatcher : public QObject
{
public:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::ToolTip) {
            auto *help = static_cast<QHelpEvent *>(event);
            positions << help->pos();
            globals << help->globalPos();
            return true; // caught: no tooltip window in the test
        }
        return false;
    }
    QList<QPoint> positions;
    QList<QPoint> globals;
};
} // namespace

void TestTAVLineEdit::hintOnlyWhileEmpty()
{
    TAVLineEdit plain;
    TAVLineEdit hinted;
    for (TAVLineEdit *edit : {&plain, &hinted})
        edit->resize(200, 30);
    hinted.setHintText(QStringLiteral("Search vaults"));
    QVERIFY(greyPixels(shot(hinted)) > greyPixels(shot(plain)) + 20);

    // With text, the hinted field paints like any other.
    plain.setText(QStringLiteral("abc"));
    hinted.setText(QStringLiteral("abc"));
    QCOMPARE(shot(hinted), shot(plain));

    // Cleared, the hint is back at the next paint.
    plain.clear();
    hinted.clear();
    QVERIFY(shot(hinted) != shot(plain));

    // An empty hint paints nothing extra.
    hinted.setHintText(QString());
    QCOMPARE(shot(hinted), shot(plain));
}

void TestTAVLineEdit::selectionSquareFollowsFlag()
{
    TAVLineEdit edit;
    edit.resize(100, 30);
    // A new field shows the square: its paint sets the flag back on.
    edit.setAttribute(Qt::WA_MacShowFocusRect, false);
    shot(edit);
    QVERIFY(edit.testAttribute(Qt::WA_MacShowFocusRect));
    edit.setSelectionSquare(false);
    shot(edit);
    QVERIFY(!edit.testAttribute(Qt::WA_MacShowFocusRect));
    edit.setSelectionSquare(true);
    shot(edit);
    QVERIFY(edit.testAttribute(Qt::WA_MacShowFocusRect));
}

void TestTAVLineEdit::focusOpensTooltipAtCursor()
{
    QWidget window;
    auto *edit = new TAVLineEdit(&window);
    edit->move(15, 25);
    edit->setToolTip(QStringLiteral("Type a name"));
    ToolTipCatcher catcher;
    edit->installEventFilter(&catcher);

    QFocusEvent focusIn(QEvent::FocusIn, Qt::TabFocusReason);
    QCoreApplication::sendEvent(edit, &focusIn);
    QVERIFY(catcher.positions.isEmpty()); // posted, not sent
    QTRY_COMPARE(catcher.positions.size(), 1);
    QCOMPARE(catcher.positions.first(), QPoint(15, 25));
    QCOMPARE(catcher.globals.first(), QCursor::pos());
}

QTEST_MAIN(TestTAVLineEdit)
#include "tst_tavlineedit.moc"
