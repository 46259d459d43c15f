#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QString>
#include <QTimer>

#include <functional>

// Runs `action`, closing the message box it opens; gives the box's text, empty when none.
inline QString messageDuring(const std::function<void()>& action) {
    QString text;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&text] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            text = box->text();
            box->close();
        }
    });
    poll.start(10);
    action();
    return text;
}
