#pragma once

#include <QString>
#include <QWidget>

#include <optional>

namespace quindor {

// "Bitte Passwort eingeben": the password of a protected info text, typed hidden.
std::optional<QString> AskInfoPassword(QWidget* parent);

} // namespace quindor
