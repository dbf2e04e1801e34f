#pragma once

#include "core/messages.h"
#include "core/pickers.h"
#include "core/program_state.h"
#include "document/document_session.h"

#include <QList>
#include <QObject>
#include <QString>

#include <functional>

namespace quindor {

// One document of the topic folder.
struct ThemenDataTyp {
    QString Titel;      // title as the preview read it, untrimmed
    QString Pfad;       // topic folder + file name
    QString Schluessel; // lower-case file name, the sort key
};

// The readable documents (*.qdr) of a folder, sorted by their lower-case names.
QList<ThemenDataTyp> ReadTopicEntries(const QString& folder);
// Menu caption of topic `index`: "&1:  Titel" for the first nine, "10:  Titel" after them; a
// blank title shows the file name.
QString TopicMenuCaption(int index, const ThemenDataTyp& entry);
// Index of the topic that starts a second menu column, -1 for lists of 30 or fewer.
int TopicColumnBreak(int count);
// "(n) " for a listed document, a single blank otherwise.
QString TopicTitlePrefix(int topicIndex);

// The topic list of the current folder and the navigation through it. The menu is the
// window's business: it rebuilds its entries from entries() whenever listChanged fires.
// The list rereads itself whenever the session closes its document.
class TopicList : public QObject, public DocumentListener {
    Q_OBJECT
public:
    TopicList(DocumentSession& session, ProgramState& state, Messages& messages, Pickers& pickers);

    const QList<ThemenDataTyp>& entries() const { return entries_; }

    // Closing a document always shows the list of the folder it leaves behind.
    void documentClosed() override { ReadTopicList(); }

    void ReadTopicList();
    void OpenTopic(int n);
    void NextTopic();
    void PreviousTopic();
    void GoToStartPage();
    void OpenPreviousDocument();
    void RereadFolderCommand();
    void ChooseFolderCommand();
    // "<TIT>Themenliste" and one line per topic, as the topic list window shows them.
    QString TopicListText() const;

    static QString CountMessage(int count);

signals:
    // After the list was rebuilt and after the current topic changed.
    void listChanged();

private:
    QString topicFolder() const;
    void notify();

    DocumentSession& session_;
    ProgramState& state_;
    Messages& messages_;
    Pickers& pickers_;
    QList<ThemenDataTyp> entries_;
};

} // namespace quindor
