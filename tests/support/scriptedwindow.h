#pragma once

#include "controller/windowhooks.h"

#include <QList>

// A stand-in for the main window: answers the controller's questions as the test sets them and
// records what the controller asked it to do.
class ScriptedWindow : public WindowHooks
{
public:
    void requestFocus(FocusZone zone) override { focusRequests.append(zone); }
    bool isMainWindowKeyPress(const QObject *receiver) const override
    {
        return mainWindow != nullptr && receiver == mainWindow;
    }
    bool isEditingText() const override { return editing; }
    void endTextEditing() override
    {
        editing = false;
        ++endedEditing;
    }
    bool isTableFocused() const override { return tableFocused; }
    bool showQuestion(const Question &question) override
    {
        questions.append(question);
        return hasWindow;
    }
    bool isQuestionKeyPress(const QObject *receiver) const override
    {
        return questionWindow != nullptr && receiver == questionWindow;
    }
    void endQuestion(int answer) override { endedQuestions.append(answer); }

    const QObject *mainWindow = nullptr;
    bool editing = false;
    bool tableFocused = false;
    int endedEditing = 0;
    QList<FocusZone> focusRequests;
    bool hasWindow = true;
    const QObject *questionWindow = nullptr;
    QList<Question> questions;
    QList<int> endedQuestions;
};
