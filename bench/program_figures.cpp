// SPDX-License-Identifier: GPL-3.0-or-later
// Figures of the whole program, in Qt's offscreen platform: time from start to
// Form1 shown, time from a click on the compute button to the result in Text4,
// and the peak resident memory. Each timing is the median of several runs.
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "window/qt/form1.h"

namespace {

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char* argv[]) {
    QElapsedTimer sinceStart;
    sinceStart.start();
    QApplication app(argc, argv);
    auto form = std::make_unique<ombrix::Form1>();
    form->show();
    if (!QTest::qWaitForWindowExposed(form.get())) return 1;
    const double firstShown = static_cast<double>(sinceStart.nsecsElapsed()) / 1e6;

    std::vector<double> shown;
    for (int run = 0; run < 9; ++run) {
        QElapsedTimer timer;
        timer.start();
        ombrix::Form1 another;
        another.show();
        if (!QTest::qWaitForWindowExposed(&another)) return 1;
        shown.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }

    // The controls, by name, as a user's tools find them.
    const auto box = [&form](const char* name) { return form->findChild<QLineEdit*>(name); };
    auto* compute = form->findChild<QPushButton*>("Command5");
    QLineEdit* result = box("Text4");
    box("Text1")->setText("3");
    box("Text2")->setText("2");
    box("Text3")->setText("1");
    std::vector<double> clicks;
    for (int run = 0; run < 21; ++run) {
        result->clear();
        QElapsedTimer timer;
        timer.start();
        QTest::mouseClick(compute, Qt::LeftButton);
        clicks.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        if (result->text().isEmpty()) return 1;
    }

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("start to Form1 shown (first, with Qt start-up): %8.2f ms\n", firstShown);
    std::printf("another Form1 shown (median of 9):               %8.2f ms\n", Median(shown));
    std::printf("click on Command5 to result in Text4 (median):  %8.2f ms   (%s)\n", Median(clicks),
                qPrintable(result->text()));
    std::printf("peak resident memory:                            %8.1f MiB\n",
                static_cast<double>(usage.ru_maxrss) / 1024.0);
    return 0;
}
