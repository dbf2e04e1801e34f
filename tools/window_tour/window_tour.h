// A walk through the program as a teacher's first hour goes: every window and dialog shown with
// the content it has there. The help pictures are taken on it, and the tests check on it that
// every window fits the smallest screen the program accepts.
#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

namespace quindor::tour {

// Sees every window while it is shown: its name (the help picture's file name without its
// extension) and the window, laid out.
using Visitor = std::function<void(const QString& name, QWidget& window)>;

// The main window at `size` with the sample documents written into `folder` (which also takes
// the settings, protocols, best lists and network files of the walk), and every dialog on the
// way: the learning view, a run with its result, protocol and best list, the typing mode, the
// other document types, the whiteboard, the worksheet, the network exercise of the teacher and
// the learner, and the options. Returns the dialogs that did not come up when they should have.
QStringList WalkThroughProgram(const QString& folder, QSize size, const Visitor& visit);

} // namespace quindor::tour
