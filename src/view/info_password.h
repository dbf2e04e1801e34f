#pragma once

#include "core/messages.h"
#include "document/document_model.h"

#include <QString>

#include <functional>
#include <optional>

namespace quindor {

// Asks for a password; nothing when the user cancels.
using PasswordPrompt = std::function<std::optional<QString>()>;

QString WrongPasswordMessage();
// Whether the text of an info point may be shown: at once without a password, otherwise only
// when exactly the password is typed. Nothing is remembered; the next click asks again.
bool CheckInfoPointPassword(const ObjDataTyp& point, Messages& messages,
                            const PasswordPrompt& prompt);

} // namespace quindor
