// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAccessible>
#include <QClipboard>
#include <QFontMetrics>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSet>
#include <QSignalSpy>
#include <QTimer>
#include <QToolTip>
#include <QtTest>

#include <memory>
#include <vector>

#include "tests/golden_areas.h"
#include "tests/modal_closer.h"
#include "tests/observed_form1.h"
#include "window/error_report.h"
#include "window/form1_layout.h"
#include "window/qt/chinese_texts.h"
#include "window/qt/form1.h"

using namespace ombrix;

namespace {

QString Q(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

}  // namespace

class Form1Test : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void layoutMatchesTheTable();
    void captionsFitTheirControls();
    void focusStartsInText1AndTabFollowsTheTable();
    void enterClicksAFocusedButtonAndNothingInABox();
    void pasteKeepsTheFirstLine();
    void computeShowsTheResultAndKeepsTheInputs();
    void clearButtonsResetTheirRowAndTheResult();
    void runtimeErrorIsReportedAndTheProgramGoesOn();
    void labelsNameTheirBoxes();
    void buttonsTellAScreenReaderWhatTheyDo();
    void resultNoteFollowsTheResult();
    void aComputeIsAnnounced();
    void qtTextsAreChinese();
    void exitButtonRunsTheExitAction();

private:
    [[nodiscard]] QLineEdit* Text(int k) const { return test::TextBox(*form_, k); }
    [[nodiscard]] QLabel* Label(int k) const { return test::LabelControl(*form_, k); }
    [[nodiscard]] QPushButton* Button(int k) const { return test::ButtonControl(*form_, k); }

    void TypeInto(QLineEdit* box, const QString& text) {
        box->setFocus();
        box->clear();
        for (const QChar ch : text) {
            if (ch.unicode() < 0x80) {
                QTest::keyClicks(box, QString(ch));
            } else {  // as an input method commits it
                QInputMethodEvent commit;
                commit.setCommitString(QString(ch));
                QApplication::sendEvent(box, &commit);
            }
        }
    }

    std::unique_ptr<test::ObservedForm1> form_;
    std::unique_ptr<QTimer> watchdog_;
    bool expectModal_ = false;
    int unexpectedModals_ = 0;
};

void Form1Test::init() {
    form_ = std::make_unique<test::ObservedForm1>();
    form_->show();
    form_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form_.get()));
    expectModal_ = false;
    unexpectedModals_ = 0;
    watchdog_ = std::make_unique<QTimer>();
    connect(watchdog_.get(), &QTimer::timeout, this, [this] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal != nullptr && !expectModal_) {
            ++unexpectedModals_;
            modal->close();
        }
    });
    watchdog_->start(50);
}

void Form1Test::cleanup() {
    watchdog_.reset();
    form_.reset();
    QCOMPARE(unexpectedModals_, 0);
}

void Form1Test::layoutMatchesTheTable() {
    QCOMPARE(form_->windowTitle(), Q(Form1Caption));
    QCOMPARE(form_->size(), QSize(TwipsToPixels(Form1ClientWidth), TwipsToPixels(Form1ClientHeight)));
    QCOMPARE(form_->minimumSize(), form_->maximumSize());
    for (const ControlPlace& place : Form1Controls) {
        auto* control = form_->findChild<QWidget*>(Q(place.name));
        QVERIFY2(control != nullptr, place.name.data());
        QCOMPARE(control->geometry(), QRect(place.left / 15, place.top / 15, place.width / 15, place.height / 15));
        if (auto* label = qobject_cast<QLabel*>(control)) QCOMPARE(label->text(), Q(place.caption));
        if (auto* button = qobject_cast<QPushButton*>(control)) {
            QCOMPARE(button->text(), Q(place.caption));
            QVERIFY(!button->isDefault() && !button->autoDefault());
        }
        if (auto* box = qobject_cast<QLineEdit*>(control)) {
            QVERIFY(box->text().isEmpty());
            QVERIFY(!box->isReadOnly());
        }
        // A click at the middle of the control's visible part lands on it.
        const QPoint middle((place.left + place.width / 2) / 15, (place.top + place.height / 2) / 15);
        if (place.kind != ControlKind::Label) QCOMPARE(form_->childAt(middle), control);
    }
    // The boxes cover the strip of Label2 and Label3 that lies beneath them.
    QCOMPARE(form_->childAt(QPoint(1860 / 15, 1400 / 15)), Text(2));
    QCOMPARE(form_->childAt(QPoint(1860 / 15, 2000 / 15)), Text(3));
}

void Form1Test::captionsFitTheirControls() {
    for (QWidget* control :
         std::vector<QWidget*>{Label(1), Label(2), Label(3), Button(1), Button(2), Button(3), Button(4), Button(5)}) {
        const QString text = qobject_cast<QLabel*>(control) ? qobject_cast<QLabel*>(control)->text()
                                                            : qobject_cast<QPushButton*>(control)->text();
        const QFontMetrics metrics(control->font());
        const int margin = qobject_cast<QPushButton*>(control) ? 8 : 0;
        QVERIFY2(metrics.horizontalAdvance(text) + margin <= control->width(), qPrintable(text));
        QVERIFY2(metrics.height() + margin / 2 <= control->height(), qPrintable(text));
    }
}

void Form1Test::focusStartsInText1AndTabFollowsTheTable() {
    QCOMPARE(QApplication::focusWidget(), Text(1));
    QStringList expected;  // the table's order, which is the tab order, from Text1's successor round to it
    for (const ControlPlace& place : Form1Controls)
        if (place.kind != ControlKind::Label) expected << Q(place.name);
    expected << expected.takeFirst();
    QStringList visited;
    for (int n = 0; n < expected.size(); ++n) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, expected);
    for (QLabel* label : {Label(1), Label(2), Label(3)}) QCOMPARE(label->focusPolicy(), Qt::NoFocus);
}

void Form1Test::enterClicksAFocusedButtonAndNothingInABox() {
    const std::vector<QPushButton*> buttons = {Button(1), Button(2), Button(3), Button(4), Button(5)};
    std::vector<std::unique_ptr<QSignalSpy>> spies;
    for (QPushButton* button : buttons) spies.push_back(std::make_unique<QSignalSpy>(button, &QPushButton::clicked));
    for (QLineEdit* box : {Text(1), Text(2), Text(3), Text(4)}) {
        TypeInto(box, "1");
        QTest::keyClick(box, Qt::Key_Return);
        QTest::keyClick(box, Qt::Key_Enter, Qt::KeypadModifier);
        QTest::keyClick(box, Qt::Key_Escape);
    }
    for (const auto& spy : spies) QCOMPARE(spy->count(), 0);
    QCOMPARE(Text(4)->text(), QStringLiteral("1"));

    // On a focused button, Return and the keypad's Enter (which Qt delivers
    // with the keypad modifier) click it, as Space does.
    for (std::size_t k = buttons.size(); k-- > 0;) {
        buttons[k]->setFocus();
        QTest::keyClick(buttons[k], Qt::Key_Return);
        if (buttons[k] == Button(5)) QCOMPARE(Text(4)->text(), QStringLiteral("12.566370614362"));
        QTest::keyClick(buttons[k], Qt::Key_Enter, Qt::KeypadModifier);
        QTest::keyClick(buttons[k], Qt::Key_Space);
        QCOMPARE(spies[k]->count(), 3);
    }
}

// Of a pasted text with several lines, a box keeps the first line, in place of
// the selection or at the cursor; one undo takes the whole paste back.
void Form1Test::pasteKeepsTheFirstLine() {
    struct Case {
        const char* before;
        int selectionStart, selectionLength;
        const char* pasted;
        const char* after;
    };
    for (const Case& c :
         {Case{"", 0, 0, "3\n5", "3"}, Case{"12", 1, 0, "3\r\n5", "132"}, Case{"11", 1, 0, "1\n2", "111"},
          Case{"abcd", 1, 2, "x\ry", "axd"}, Case{"7", 1, 0, "\n8", "7"}, Case{"7", 0, 0, "9", "97"}}) {
        for (QLineEdit* box : {Text(1), Text(4)}) {
            box->setText(c.before);
            box->setFocus();
            box->setSelection(c.selectionStart, c.selectionLength);
            if (c.selectionLength == 0) box->setCursorPosition(c.selectionStart);
            QApplication::clipboard()->setText(QString::fromUtf8(c.pasted));
            QTest::keySequence(box, QKeySequence::Paste);
            QCOMPARE(box->text(), QString::fromUtf8(c.after));
            QTest::keySequence(box, QKeySequence::Undo);
            QCOMPARE(box->text(), QString::fromUtf8(c.before));
        }
    }
    // A box holds at most 32,767 characters, as on every front end: of 50,000
    // blanks and "4", the "4" does not get in.
    Text(1)->clear();
    Text(1)->setFocus();
    QApplication::clipboard()->setText(QString(50000, u' ') + u'4');
    QTest::keySequence(Text(1), QKeySequence::Paste);
    QCOMPARE(Text(1)->text().size(), BoxTextLimit);
    Text(2)->setText("1");
    Text(3)->setText("1");
    QTest::mouseClick(Button(5), Qt::LeftButton);
    QCOMPARE(Text(4)->text(), QStringLiteral("输入错误 "));
}

void Form1Test::computeShowsTheResultAndKeepsTheInputs() {
    struct Case {
        const char* a;
        const char* b;
        const char* c;
        const char* result;
    };
    std::vector<Case> cases = {{"", "1", "1", "输入错误 "},
                               {"１", "1e0", " 1", "12.566370614362"},
                               {"1", "1", "", "6.28318530717958"},
                               {"1", "-2", "1", "输入错误 "}};
    for (const GoldenArea& g : GoldenAreas) cases.push_back({g.a, g.b, g.c, g.text});
    for (const Case& input : cases) {
        TypeInto(Text(1), input.a);
        TypeInto(Text(2), input.b);
        TypeInto(Text(3), input.c);
        QTest::mouseClick(Button(5), Qt::LeftButton);
        QCOMPARE(Text(4)->text(), QString::fromUtf8(input.result));
        QCOMPARE(Text(1)->text(), QString::fromUtf8(input.a));
        QCOMPARE(Text(3)->text(), QString::fromUtf8(input.c));
    }
}

void Form1Test::clearButtonsResetTheirRowAndTheResult() {
    QPushButton* buttons[] = {Button(1), Button(2), Button(3)};
    for (int row = 1; row <= 3; ++row) {
        Text(1)->setText("1");
        Text(2)->setText("2");
        Text(3)->setText("3");
        Text(4)->setText("result");
        for (int twice = 0; twice < 2; ++twice) {
            QTest::mouseClick(buttons[row - 1], Qt::LeftButton);
            for (int k = 1; k <= 3; ++k) QCOMPARE(Text(k)->text(), k == row ? QStringLiteral(" ") : QString::number(k));
            QCOMPARE(Text(4)->text(), QStringLiteral(" "));
        }
    }
    // A cleared Text3 reads as 0: the flat case.
    QTest::mouseClick(Button(5), Qt::LeftButton);
    QCOMPARE(Text(4)->text(), QStringLiteral("12.5663706143592"));
}

void Form1Test::runtimeErrorIsReportedAndTheProgramGoesOn() {
    expectModal_ = true;
    struct Case {
        const char* a;
        const char* c;
        const char* report;
    };
    for (const Case& input :
         {Case{"1e200", "1", "实时错误 '6':\n\n溢出"}, Case{"1e-170", "1", "实时错误 '11':\n\n除数为零"},
          Case{"&H100000000", "1", "实时错误 '6':\n\n溢出"}}) {
        Text(1)->setText("1");
        Text(2)->setText("1");
        Text(3)->setText("0");
        QTest::mouseClick(Button(5), Qt::LeftButton);
        const QString previous = Text(4)->text();

        ModalCloser closer;
        Text(1)->setText(input.a);
        Text(3)->setText(input.c);
        QTest::mouseClick(Button(5), Qt::LeftButton);
        QCOMPARE(closer.titles, QStringList{"Ombrix"});
        QCOMPARE(closer.texts, QStringList{QString::fromUtf8(input.report)});
        QCOMPARE(closer.buttons, QStringList{QStringLiteral("确定")});
        QCOMPARE(Text(4)->text(), previous);
        QCOMPARE(Text(1)->text(), QString::fromUtf8(input.a));
        QVERIFY(form_->isVisible());
    }
    expectModal_ = false;
    Text(1)->setText("1");
    QTest::mouseClick(Button(5), Qt::LeftButton);
    QCOMPARE(Text(4)->text(), QStringLiteral("12.566370614362"));
}

// Nothing unwinds through Qt's event loop: whatever a click's work throws is
// reported as the nearest classic error, and the program goes on.
void Form1Test::labelsNameTheirBoxes() {
    QCOMPARE(Label(1)->buddy(), Text(1));
    QCOMPARE(Label(2)->buddy(), Text(2));
    QCOMPARE(Label(3)->buddy(), Text(3));
    QVERIFY(!Text(4)->accessibleName().isEmpty());
}

void Form1Test::buttonsTellAScreenReaderWhatTheyDo() {
    QSet<QString> clearNames;
    for (QPushButton* button : {Button(1), Button(2), Button(3)}) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(button);
        QVERIFY(accessible != nullptr);
        QVERIFY(accessible->text(QAccessible::Name).startsWith(QStringLiteral("清除")));
        QVERIFY(!accessible->text(QAccessible::Description).isEmpty());
        clearNames << accessible->text(QAccessible::Name);
        QCOMPARE(button->text(), QStringLiteral("清除"));  // the caption stays
    }
    QCOMPARE(clearNames.size(), 3);
    for (QPushButton* button : {Button(4), Button(5)})
        QVERIFY(!QAccessible::queryAccessibleInterface(button)->text(QAccessible::Description).isEmpty());
}

// After a compute that shows a number, the result box's tooltip and
// description give the exact area; any other change of the box takes them
// away, and a failed compute leaves them with the text they describe.
void Form1Test::resultNoteFollowsTheResult() {
    expectModal_ = true;
    QAccessibleInterface* result = QAccessible::queryAccessibleInterface(Text(4));
    const auto compute = [this](const char* a, const char* b, const char* c) {
        Text(1)->setText(a);
        Text(2)->setText(b);
        Text(3)->setText(c);
        QTest::mouseClick(Button(5), Qt::LeftButton);
    };
    compute("3", "2", "1");
    const QString note = Text(4)->toolTip();
    QCOMPARE(Text(4)->text(), QStringLiteral("48.882146302593"));
    QVERIFY2(note.startsWith(QStringLiteral("精确值（椭圆积分）：48.8821463025821\n本算法相对误差：")),
             qPrintable(note));
    QCOMPARE(result->text(QAccessible::Description), note);
    // The keyboard, which cannot hover, is shown it while the box has the focus.
    Text(4)->setFocus();
    QTRY_VERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), note);
    Button(5)->setFocus();
    QTRY_VERIFY(!QToolTip::isVisible());

    TypeInto(Text(4), "7");
    QVERIFY(Text(4)->toolTip().isEmpty());
    QVERIFY(result->text(QAccessible::Description).isEmpty());

    compute("3", "2", "1");
    QCOMPARE(Text(4)->toolTip(), note);
    {
        ModalCloser closer;
        compute("1e200", "1", "1");
        QCOMPARE(closer.texts.size(), 1);
    }
    QCOMPARE(Text(4)->text(), QStringLiteral("48.882146302593"));
    QCOMPARE(Text(4)->toolTip(), note);

    QTest::mouseClick(Button(2), Qt::LeftButton);
    QVERIFY(Text(4)->toolTip().isEmpty());
    compute("1", "1", "0");
    // The flat case's 2 pi is the fifteen-digit literal, a little short of 2 pi.
    QCOMPARE(Text(4)->toolTip(), QStringLiteral("精确值（椭圆积分）：6.28318530717959\n本算法相对误差：9.9E-16"));
    compute("-1", "1", "1");
    QCOMPARE(Text(4)->text(), QStringLiteral("输入错误 "));
    QVERIFY(Text(4)->toolTip().isEmpty());
    QVERIFY(result->text(QAccessible::Description).isEmpty());
}

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
namespace {
QStringList announcements;
void KeepAnnouncements(QAccessibleEvent* event) {
    if (event->type() == QAccessible::Announcement)
        announcements << static_cast<QAccessibleAnnouncementEvent*>(event)->message();
}
}  // namespace
#endif

// A screen reader hears each compute's result, as the page's live region
// tells it; a clear says nothing.
void Form1Test::aComputeIsAnnounced() {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessible::setActive(true);
    if (!QAccessible::isActive())
        QSKIP("no accessibility bridge on this platform (offscreen): Qt announces nothing without one");
    announcements.clear();
    QAccessible::installUpdateHandler(KeepAnnouncements);
    Text(1)->setText("3");
    Text(2)->setText("2");
    Text(3)->setText("1");
    QTest::mouseClick(Button(5), Qt::LeftButton);
    QTest::mouseClick(Button(1), Qt::LeftButton);
    QTest::mouseClick(Button(5), Qt::LeftButton);
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::setActive(false);
    QCOMPARE(announcements, (QStringList{QStringLiteral("48.882146302593"), QStringLiteral("输入错误 ")}));
#else
    QSKIP("Qt before 6.8 has no announcement for screen readers");
#endif
}

void Form1Test::qtTextsAreChinese() {
    if (!InstallChineseQtTexts(*QCoreApplication::instance())) QSKIP("Qt's Chinese translation is not installed");
    std::unique_ptr<QMenu> menu(Text(1)->createStandardContextMenu());
    const QList<QAction*> actions = menu->actions();
    QVERIFY(!actions.isEmpty());
    QVERIFY2(actions.first()->text().startsWith(QStringLiteral("撤")), qPrintable(actions.first()->text()));
}

void Form1Test::exitButtonRunsTheExitAction() {
    QTest::mouseClick(Button(4), Qt::LeftButton);
    QCOMPARE(form_->exits, 1);
}

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
