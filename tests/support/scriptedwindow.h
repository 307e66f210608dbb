#pragma once

#include "controller/bivanestate.h"
#include "controller/windowhooks.h"
#include "model/panemodel.h"

#include <QList>

// A stand-in for the main window: answers the controller's questions as the test sets them and
// records what the controller asked it to do.
class ScriptedWindow : public WindowHooks
{
public:
    void requestFocus(FocusZone zone) override { focusRequests.append(zone); }
    // The zone and the view as the controller names them, as a real window would show them.
    KeyContext keyContext(const QObject *receiver) const override
    {
        KeyContext context;
        context.target = receiver && receiver == questionWindow ? KeyTarget::question
                         : receiver && receiver == mainWindow   ? KeyTarget::mainWindow
                                                                : KeyTarget::elsewhere;
        if (state) {
            context.zone = state->focusZone();
            context.view = shownViewKind(state->pane(sideOf(context.zone)), state->isRetro());
        }
        context.editing = editing;
        return context;
    }
    void endTextEditing() override
    {
        editing = EditedField::none;
        ++endedEditing;
    }
    bool showQuestion(const Question &question) override
    {
        questions.append(question);
        return hasWindow;
    }
    void endQuestion(int answer) override { endedQuestions.append(answer); }

    const QObject *mainWindow = nullptr;
    const BivaneState *state = nullptr;
    EditedField editing = EditedField::none;
    int endedEditing = 0;
    QList<FocusZone> focusRequests;
    bool hasWindow = true;
    const QObject *questionWindow = nullptr;
    QList<Question> questions;
    QList<int> endedQuestions;
};
