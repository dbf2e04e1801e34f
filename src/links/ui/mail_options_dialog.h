#pragma once

#include "links/document_mail.h"

#include <QButtonGroup>
#include <QDialog>

#include <optional>

namespace quindor {

// "Dokument per E-Mail versenden": whether the document goes alone or with the setup of the
// basic system as a program or as a zip file. The choice stays while the program runs.
class MailOptionsDialog : public QDialog {
    Q_OBJECT
public:
    explicit MailOptionsDialog(QWidget* parent = nullptr);

    MailOption option() const { return static_cast<MailOption>(options_->checkedId()); }
    void setOption(MailOption option);
    // Shows the dialog; nullopt when it was cancelled.
    std::optional<MailOption> choose();

private:
    QButtonGroup* options_;
};

} // namespace quindor
