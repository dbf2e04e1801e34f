#pragma once

#include "network/network_session.h"
#include "network/ui/control_grid_view.h"
#include "print/rtf_writer.h"
#include "print/table_print.h"
#include "print/ui/report_window.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QTextEdit>
#include <QToolButton>

#include <functional>

namespace quindor {

// "Netzwerk-Übung - Kontrollanzeige": the teacher's live view of a network exercise, one row per
// participant and the exercise information, always on top of the program. Made once and shown
// again; its content stays after the network exercise ended, until the next one begins.
class TMasterProtForm : public QWidget {
    Q_OBJECT
public:
    TMasterProtForm(NetworkSession& network, const ReportPorts& ports,
                    std::function<void()> showBestList, QWidget* parent = nullptr);

    static QString caption(bool active);
    // Shows the window on the participant page, its caption and registration box refreshed.
    void showDisplay();
    // The caption and the registration box as the network exercise stands.
    void refreshCaption();
    // The information page: replaced at the initiation, appended to by comments.
    void setInformation(const QString& text, bool replace);
    bool participantPage() const { return pages_->currentIndex() == 0; }
    void showPage(int page);
    ControlGridView* grid() const { return grid_; }
    ClassOverview* overview() const { return overview_; }
    QTextEdit* information() const { return RichEdit1; }
    QCheckBox* registration() const { return TeilnahmeErlaubt; }
    QPushButton* endButton() const { return NetzUebBeendenBtn; }
    const std::vector<RichParagraph>& informationParagraphs() const { return paragraphs_; }

    // The buttons of the bottom bar.
    void addComment(const QString& text);
    void commentCommand();
    void printCommand();
    // Saves the page shown: the grid as text, the information as rich text.
    void saveCommand();
    bool saveTo(const QString& path);
    void copyCommand();
    void endCommand();
    // What the participant page prints: the grid and the class overview.
    PrintTableData printTable() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    NetworkSession& network_;
    ReportPorts ports_;
    std::function<void()> showBestList_;
    QToolButton* TeilnehmerBtn;
    QToolButton* UebDokuBtn;
    QCheckBox* TeilnahmeErlaubt;
    QStackedWidget* pages_;
    ControlGridView* grid_;
    ClassOverview* overview_;
    QTextEdit* RichEdit1;
    QPushButton* NetzUebBeendenBtn;
    std::vector<RichParagraph> paragraphs_;
};

} // namespace quindor
