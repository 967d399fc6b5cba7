#pragma once

#include <QApplication>
#include <QInputDialog>
#include <QTimer>

#include <memory>
#include <optional>

namespace velmor::testing {

struct PromptSeen {
    QString title;
    QString message;
    QString preset;
};

// Answers the next modal prompt as an operator would, from a 5 ms poll (the prompt's own loop
// runs it): types the text and confirms it, or cancels when there is none.
inline std::shared_ptr<PromptSeen> answerPrompt(std::optional<QString> answer) {
    auto seen = std::make_shared<PromptSeen>();
    auto* poll = new QTimer;
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, [poll, seen, answer] {
        auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        poll->stop();
        poll->deleteLater();
        *seen = {dialog->windowTitle(), dialog->labelText(), dialog->textValue()};
        if (answer) {
            dialog->setTextValue(*answer);
            dialog->accept();
        } else {
            dialog->reject();
        }
    });
    poll->start();
    return seen;
}

} // namespace velmor::testing
