// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QStringList>
#include <QTimer>

// Closes every message box as soon as it appears, as a person dismissing the
// error report would, and keeps what each one said.
class ModalCloser : public QObject {
public:
    explicit ModalCloser(int intervalMs = 10) {
        connect(&timer_, &QTimer::timeout, this, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                titles.push_back(box->windowTitle());
                texts.push_back(box->text());
                QStringList captions;
                for (const QAbstractButton* button : box->buttons()) captions << button->text();
                buttons.push_back(captions.join(u'|'));
                box->accept();
            }
        });
        timer_.start(intervalMs);
    }
    QStringList titles;
    QStringList texts;
    QStringList buttons;  // each box's button captions, joined by '|'

private:
    QTimer timer_;
};
