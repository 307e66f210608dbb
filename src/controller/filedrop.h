#pragma once

#include <QList>
#include <QUrl>

class BivaneState;
class PaneModel;

// Hands files dropped onto a pane to the controller's transfer into the pane's folder: copied
// when `copy`, else moved. Items dropped onto the folder that already holds them have nowhere to
// go and are left out; URLs that are not local files refuse the whole drop.
void dropFiles(BivaneState &state, PaneModel &target, const QList<QUrl> &urls, bool copy);
