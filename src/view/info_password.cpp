#include "view/info_password.h"

namespace quindor {

QString WrongPasswordMessage() {
    return QStringLiteral("Das Passwort ist falsch.");
}

bool CheckInfoPointPassword(const ObjDataTyp& point, Messages& messages,
                            const PasswordPrompt& prompt) {
    if (point.BildKenn.isEmpty())
        return true;
    const std::optional<QString> typed = prompt ? prompt() : std::nullopt;
    if (!typed)
        return false;
    if (*typed != point.BildKenn) {
        messages.error(WrongPasswordMessage());
        return false;
    }
    return true;
}

} // namespace quindor
