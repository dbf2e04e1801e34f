#pragma once

#include "core/messages.h"
#include "exercise/best_list.h"
#include "network/control_grid.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

namespace quindor {

// The initiator's receiver of participant messages: every announced participant gets a row of
// the control grid, its actions fill the row and the query cells, its result goes into the
// network exercise's best list.
class MasterReceiver {
public:
    MasterReceiver(ControlGrid& grid, Messages& messages) : grid_(grid), messages_(messages) {}

    // The most participants one network exercise shows; more announcements are forged.
    static constexpr int kMaxParticipants = 1000;

    // A new network exercise: no participants yet, the query number of every object.
    void reset(std::vector<int> queryNumbers);
    // Where the results go: the network exercise's best list. Without one they go nowhere.
    void setBestList(std::function<void(const BestListDataTyp&)> append) {
        appendBestList_ = std::move(append);
    }

    // Handles one message (the computer name from its envelope). Unknown commands and keys
    // change nothing. False when the message was stopped by a number that does not convert (the
    // object index, a state outside 0 to 3, a best-list value, or one no run can send): what it
    // wrote before stays.
    bool receive(const QString& computerName, const QString& text);

    const QStringList& keys() const { return keys_; }

private:
    int rowOf(const QString& key) const;
    bool action(int row, const QStringList& lines);
    bool bestList(const QStringList& lines);

    ControlGrid& grid_;
    Messages& messages_;
    QStringList keys_;
    // The row of each key's first announcement.
    QHash<QString, int> rows_;
    std::vector<int> queryNumbers_;
    std::function<void(const BestListDataTyp&)> appendBestList_;
    bool tooManyTold_ = false;
};

} // namespace quindor
