#pragma once

#include "core/messages.h"
#include "core/pickers.h"
#include "core/program_state.h"
#include "exercise/best_list.h"
#include "print/table_print.h"
#include "print/ui/program_printer.h"

#include <QDialog>
#include <QTableWidget>

#include <functional>

namespace quindor {

// The best-list window (TBestListForm): the ranked entries in a grid, to save as text, copy or
// print.
class BestListWindow : public QDialog {
    Q_OBJECT
public:
    BestListWindow(const QString& caption, const std::vector<BestListDataTyp>& ranked,
                   Pickers& pickers, Messages& messages, ProgramPrinter& printer,
                   QWidget* parent = nullptr);
    QTableWidget* grid() const { return grid_; }
    const QString& text() const { return text_; }
    // The grid as the table printing takes it.
    PrintTableData printTable() const;
    void save();
    void copy();

private:
    QTableWidget* grid_;
    QString text_;
    Pickers& pickers_;
    Messages& messages_;
    ProgramPrinter& printer_;
};

// The folder dialog (TBestListVerzForm): best lists, protocols and chronicle screenshots.
// True when all three folders were valid and taken over.
class FolderDialog : public QDialog {
    Q_OBJECT
public:
    FolderDialog(ProgramState& state, Pickers& pickers, Messages& messages,
                 QWidget* parent = nullptr);
    class QLineEdit* field(int index) const {
        return fields_[static_cast<size_t>(index)];
    }
    void accept() override;

private:
    ProgramState& state_;
    Messages& messages_;
    // Best lists, protocols, chronicle.
    std::array<class QLineEdit*, 3> fields_{};
};

} // namespace quindor
