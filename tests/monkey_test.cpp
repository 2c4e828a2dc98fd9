// SPDX-License-Identifier: GPL-3.0-or-later
// A long seeded session of random clicks, keystrokes and pastes on Form1.
// After every action the result box holds what the program may leave there
// (empty, one blank, a number, the input error text) or what was typed into
// it; every compute gives the oracle's answer or its error report;
// and the window is still there.
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTimer>
#include <QtTest>

#include <string>

#include "runtime/runtime_error.h"
#include "tests/modal_closer.h"
#include "tests/observed_form1.h"
#include "tests/reference/reference_compute.h"

using namespace ombrix;

class MonkeyTest : public QObject {
    Q_OBJECT

private slots:
    void tenThousandRandomActions();
};

namespace {

// clang-format off
const QStringList kPastes = {
    "1", "3", "2.5", "0", "-1", "1e200", "1e-170", "&HFFFF", "&H100000000", "１２．５", "1e308",
    "abc", " ", "", "1.2.3", "--5", "\u200b7", "\u202e9", "12\n34", "1e99999999999999999999",
    QString(100000, '9'), QString(50000, ' ') + "4", "0." + QString(40000, '3'), "6.28318530717958"};
// clang-format on
const QString kKeys = "0123456789.-+eEdD&HhOo ab,";

}  // namespace

void MonkeyTest::tenThousandRandomActions() {
    QRandomGenerator random(20261208);
    test::ObservedForm1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));

    ModalCloser closer(1);
    const QStringList& reports = closer.texts;

    QLineEdit* boxes[] = {test::TextBox(form, 1), test::TextBox(form, 2), test::TextBox(form, 3),
                          test::TextBox(form, 4)};
    QPushButton* buttons[] = {test::ButtonControl(form, 1), test::ButtonControl(form, 2), test::ButtonControl(form, 3),
                              test::ButtonControl(form, 4), test::ButtonControl(form, 5)};
    const QRegularExpression numberText(R"(^-?\d+(\.\d+)?(E[+-]\d{2,3})?$)");
    QString typedIntoText4;
    int computes = 0, errors = 0;

    for (int action = 0; action < 10000; ++action) {
        const int kind = random.bounded(10);
        QLineEdit* box = boxes[random.bounded(4)];
        if (kind < 3) {
            QPushButton* button = buttons[random.bounded(5)];
            if (button == buttons[4]) {
                ++computes;
                std::string expected;
                try {
                    expected = ReferenceResultText(boxes[0]->text().toStdString(), boxes[1]->text().toStdString(),
                                                   boxes[2]->text().toStdString());
                } catch (const RuntimeError&) {
                    expected = boxes[3]->text().toStdString();  // unchanged, after a report
                    ++errors;
                }
                const int reportsBefore = static_cast<int>(reports.size());
                QTest::mouseClick(button, Qt::LeftButton);
                QCOMPARE(boxes[3]->text(), QString::fromStdString(expected));
                QVERIFY(reports.size() - reportsBefore <= 1);
            } else {
                QTest::mouseClick(button, Qt::LeftButton);
            }
            continue;
        }
        if (kind < 6) {
            box->setFocus();
            for (int n = random.bounded(1, 6); n > 0; --n)
                QTest::keyClick(box, kKeys[random.bounded(static_cast<int>(kKeys.size()))].toLatin1());
        } else if (kind < 8) {
            QApplication::clipboard()->setText(kPastes[random.bounded(static_cast<int>(kPastes.size()))]);
            box->setFocus();
            if (random.bounded(2) == 0) box->selectAll();
            box->paste();
        } else {
            const Qt::Key keys[] = {Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Home,   Qt::Key_End,
                                    Qt::Key_Return,    Qt::Key_Enter,  Qt::Key_Escape, Qt::Key_Tab};
            QTest::keyClick(box, keys[random.bounded(8)]);
            if (random.bounded(4) == 0) QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
        }
        if (box == boxes[3]) typedIntoText4 = boxes[3]->text();

        const QString result = boxes[3]->text();
        const bool programText = result.isEmpty() || result == " " || result == QStringLiteral("输入错误 ") ||
                                 numberText.match(result).hasMatch();
        QVERIFY2(programText || result == typedIntoText4, qPrintable(result.left(80)));
        QVERIFY(form.isVisible());
    }
    QVERIFY(form.isVisible());
    QVERIFY(computes > 500);
    qInfo("%d computes, %d error reports, %d exit clicks observed", computes, errors, form.exits);
    QCOMPARE(static_cast<int>(reports.size()), errors);
    form.close();
    QVERIFY(!form.isVisible());
}

QTEST_MAIN(MonkeyTest)
#include "monkey_test.moc"
