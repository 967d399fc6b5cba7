#include "Operator.h"

#include <QGuiApplication>
#include <QInputDialog>
#include <QMessageBox>

#include <cstdio>

namespace ui {

std::optional<QString> prompt(const QString& message, const QString& title,
                              const QString& defaultText, QWidget* parent) {
    bool accepted = false;
    const QString text =
        QInputDialog::getText(parent, title, message, QLineEdit::Normal, defaultText, &accepted);
    if (!accepted)
        return std::nullopt;
    return text;
}

bool hasDisplay() {
    const QString platform = QGuiApplication::platformName();
    return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}

void reportError(const QString& title, const QString& message, QWidget* parent) {
    std::fprintf(stderr, "%s: %s\n", qPrintable(title), qPrintable(message));
    std::fflush(stderr);
    if (hasDisplay())
        QMessageBox::critical(parent, title, message);
}

} // namespace ui
