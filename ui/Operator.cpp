#include "Operator.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QWidget>

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

void showLinkState(QWidget* window, const QString& caption,
                   const std::optional<QString>& lostReason, int retryMs) {
    window->setWindowTitle(
        lostReason ? caption + QCoreApplication::translate("ui::Operator", " — порт недоступен")
                   : caption);
    if (lostReason)
        std::fprintf(stderr, "velmor-test: serial port lost (%s); opening it again every %d ms\n",
                     qPrintable(*lostReason), retryMs);
    else
        std::fprintf(stderr, "velmor-test: serial port open again\n");
    std::fflush(stderr);
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
