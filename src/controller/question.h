#pragma once

#include <QString>
#include <optional>

// A question shown as a sheet on the main window, answered with its confirm button (1000) or
// with "Abbrechen" (1001). Return answers with the confirm button, Escape cancels.
struct Question
{
    static constexpr int kConfirm = 1000;
    static constexpr int kCancel = 1001;

    QString message;
    QString informativeText;
    QString confirmTitle;
    // The second button; "Abbrechen" when empty.
    QString cancelTitle;
    bool destructive = false;
    // A single-line text field under the texts, holding this text; none when absent.
    std::optional<QString> fieldText;

    bool operator==(const Question &) const = default;
};

// How a question was answered, with the text field's final text.
struct QuestionAnswer
{
    int code = Question::kCancel;
    QString fieldText;

    bool operator==(const QuestionAnswer &) const = default;
};
