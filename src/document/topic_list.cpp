#include "document/topic_list.h"

#include "core/activity_guard.h"

#include <QCollator>
#include <QDir>
#include <QFileInfo>

namespace quindor {

namespace {

QString WithSeparator(QString folder) {
    if (!folder.isEmpty() && !folder.endsWith(QLatin1Char('/')) &&
        !folder.endsWith(QDir::separator()))
        folder += QDir::separator();
    return folder;
}

QString DisplayTitle(const ThemenDataTyp& entry) {
    return entry.Titel.trimmed().isEmpty() ? QFileInfo(entry.Pfad).fileName() : entry.Titel;
}

} // namespace

QList<ThemenDataTyp> ReadTopicEntries(const QString& folder) {
    QList<ThemenDataTyp> entries;
    const QDir dir(folder);
    // The pattern is matched without regard to case, as on the file systems schools use.
    for (const QFileInfo& file :
         dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::System, QDir::NoSort)) {
        if (file.suffix().compare(QLatin1String("qdr"), Qt::CaseInsensitive) != 0)
            continue;
        const QString path = WithSeparator(folder) + file.fileName();
        HeaderDataTyp preview;
        if (!DocumentSession::ReadDocumentPreview(path, preview))
            continue;
        entries.append({preview.Titel, path, file.fileName().toLower()});
    }
    // Selection sort by locale collation: equal keys keep their order.
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    for (qsizetype i = 0; i < entries.size(); ++i) {
        qsizetype smallest = i;
        for (qsizetype j = i + 1; j < entries.size(); ++j) {
            if (collator.compare(entries.at(j).Schluessel, entries.at(smallest).Schluessel) < 0)
                smallest = j;
        }
        if (smallest != i)
            entries.swapItemsAt(i, smallest);
    }
    return entries;
}

QString TopicMenuCaption(int index, const ThemenDataTyp& entry) {
    const QString number =
        index <= 8 ? QStringLiteral("&%1").arg(index + 1) : QString::number(index + 1);
    return number + QStringLiteral(":  ") + DisplayTitle(entry);
}

int TopicColumnBreak(int count) {
    return count > 30 ? (count - 8) / 2 : -1;
}

QString TopicTitlePrefix(int topicIndex) {
    return topicIndex >= 0 ? QStringLiteral("(%1) ").arg(topicIndex + 1) : QStringLiteral(" ");
}

TopicList::TopicList(DocumentSession& session, ProgramState& state, Messages& messages,
                     Pickers& pickers)
    : session_(session), state_(state), messages_(messages), pickers_(pickers) {
    session_.addListener(*this);
}

QString TopicList::CountMessage(int count) {
    return QString::number(count) +
           QStringLiteral(" Themendokument(e) eingelesen.\r\n"
                          "W\u00e4hlen Sie das gew\u00fcnschte Dokument im Men\u00fc "
                          "\"Themenauswahl\".");
}

QString TopicList::topicFolder() const {
    const QString& fileName = session_.header().FileName;
    if (!fileName.isEmpty())
        return WithSeparator(QFileInfo(fileName).absolutePath());
    return state_.CurrentFolder;
}

void TopicList::notify() {
    emit listChanged();
}

void TopicList::ReadTopicList() {
    state_.TopicIndex = -1;
    entries_ = ReadTopicEntries(topicFolder());
    const QString& fileName = session_.header().FileName;
    for (qsizetype i = 0; i < entries_.size(); ++i) {
        if (entries_.at(i).Pfad == fileName)
            state_.TopicIndex = static_cast<int>(i);
    }
    notify();
}

void TopicList::OpenTopic(int n) {
    if (n < 0 || n >= entries_.size() || !MayLeaveCurrentActivity(state_, messages_) ||
        !session_.mayReplaceDocument())
        return;
    const QString path = entries_.at(n).Pfad;
    session_.LoadDocument(path, true);
    if (session_.header().FileName == path)
        state_.TopicIndex = n;
    notify();
}

void TopicList::NextTopic() {
    if (state_.ViewMode != Mode::Learning)
        return;
    const int candidate =
        entries_.isEmpty() ? -1
                           : std::min(state_.TopicIndex + 1, static_cast<int>(entries_.size()) - 1);
    if (candidate != state_.TopicIndex)
        OpenTopic(candidate);
}

void TopicList::PreviousTopic() {
    if (state_.ViewMode != Mode::Learning)
        return;
    const int candidate = entries_.isEmpty() ? -1 : std::max(state_.TopicIndex - 1, 0);
    if (candidate != state_.TopicIndex)
        OpenTopic(candidate);
}

void TopicList::GoToStartPage() {
    if (!MayLeaveCurrentActivity(state_, messages_) || !session_.mayReplaceDocument())
        return;
    if (!state_.CommandLineDocument.isEmpty()) {
        session_.LoadDocument(state_.CommandLineDocument, true);
        ReadTopicList();
        return;
    }
    state_.CurrentFolder = state_.StartFolder;
    session_.CloseDocument();
}

void TopicList::OpenPreviousDocument() {
    if (state_.PreviousDocument.isEmpty() || state_.ViewMode != Mode::Learning)
        return;
    session_.LoadDocument(state_.PreviousDocument, true);
    ReadTopicList();
}

void TopicList::RereadFolderCommand() {
    ReadTopicList();
    messages_.information(CountMessage(static_cast<int>(entries_.size())));
}

void TopicList::ChooseFolderCommand() {
    const QString chosen =
        pickers_.chooseFolder(QStringLiteral("Aktuellen Ordner w\u00e4hlen"), state_.CurrentFolder);
    // Closing the document offers its drawings and its changes first, as every close does.
    if (chosen.isEmpty() || !session_.mayReplaceDocument())
        return;
    state_.CurrentFolder = WithSeparator(chosen);
    session_.CloseDocument();
    messages_.information(CountMessage(static_cast<int>(entries_.size())));
}

QString TopicList::TopicListText() const {
    QString text = QStringLiteral("<TIT>Themenliste\r\n");
    for (qsizetype i = 0; i < entries_.size(); ++i)
        text += QString::number(i + 1) + QStringLiteral(": ") + DisplayTitle(entries_.at(i)) +
                QStringLiteral("\r\n");
    return text;
}

} // namespace quindor
