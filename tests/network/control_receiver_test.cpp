#include "network/control_grid.h"
#include "network/envelope.h"
#include "network/master_receiver.h"
#include "network/participant_messages.h"

#include "exercise/best_list.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

namespace quindor {
namespace {

QString Text(std::initializer_list<const char*> lines) {
    QStringList list;
    for (const char* line : lines)
        list.append(QString::fromUtf8(line));
    return JoinMessageLines(list);
}

TEST(ControlGrid, HasThirteenFixedColumnsAndOnePerQuery) {
    ControlGrid grid;
    grid.prepare(0, false, 0);
    EXPECT_EQ(grid.columnCount(), 13);
    EXPECT_EQ(grid.rowCount(), 2);
    EXPECT_EQ(grid.toText(), QStringLiteral("Nr.\tRechner\tTeilnehmer\tStatus\tBeginn\tZeit\tAnz.\t"
                                            "Richtig\tFalsch\tQuote\tOffen\tLeistung\tNote\r\n"
                                            "\t\t\t\t\t\t\t\t\t\t\t\t\r\n"));
    grid.prepare(3, true, 2);
    EXPECT_EQ(grid.columnCount(), 16);
    EXPECT_EQ(grid.cell(5, 0), QStringLiteral("Restzeit"));
    EXPECT_EQ(grid.cell(12, 0), QStringLiteral("Punkte"));
    EXPECT_EQ(grid.cell(13, 0), QStringLiteral("1"));
    EXPECT_EQ(grid.cell(15, 0), QStringLiteral("3"));
    const int widths[] = {30, 60, 60, 45, 50, 40, 40, 40, 40, 40, 40, 50, 30, 25, 25, 25};
    for (int c = 0; c < 16; ++c)
        EXPECT_EQ(grid.columnWidth(c), widths[c]) << c;
    EXPECT_TRUE(ControlGrid::centred(0));
    EXPECT_FALSE(ControlGrid::centred(1));
    EXPECT_FALSE(ControlGrid::centred(2));
    EXPECT_TRUE(ControlGrid::centred(14));
}

class ReceiverTest : public ::testing::Test {
protected:
    void SetUp() override {
        grid.prepare(3, false, 0);
        // Objects 0 to 3; object 2 carries no column.
        receiver.reset({1, 2, 0, 3});
        receiver.setBestList([this](const BestListDataTyp& entry) { bestList.push_back(entry); });
    }
    bool receive(const QString& computer, const QString& text) {
        return receiver.receive(computer, text);
    }
    QString action(const char* key, const char* object, const char* state, const char* failures,
                   const char* endState = "0") {
        return Text({"TN-AKTION", key, object, state, failures, endState, "10:15:00", "3", "1", "2",
                     "2", "00:42", "33.3", "22.2", "5"});
    }

    RecordingMessages messages;
    ControlGrid grid;
    MasterReceiver receiver{grid, messages};
    std::vector<BestListDataTyp> bestList;
};

TEST_F(ReceiverTest, AnnouncedParticipantsGetRowsInOrder) {
    EXPECT_TRUE(receive(QStringLiteral("PC-01"), Text({"TN-INIT", "KEYA", "Anna", "10:15:00"})));
    EXPECT_TRUE(receive(QStringLiteral("PC-02"), Text({"TN-INIT", "KEYB", "  ", "10:15:03"})));
    EXPECT_EQ(grid.rowCount(), 3);
    EXPECT_EQ(grid.rows()[1], QStringList({"1", "PC-01", "Anna", "aktiv", "10:15:00", "", "", "",
                                           "", "", "", "", "", "", "", ""}));
    EXPECT_EQ(grid.cell(0, 2), QStringLiteral("2"));
    EXPECT_EQ(grid.cell(2, 2), QStringLiteral("  "));
    // A repeat arrives with a new key from the same computer: a new row.
    receive(QStringLiteral("PC-01"), Text({"TN-INIT", "KEYC", "Anna", "10:20:00"}));
    EXPECT_EQ(grid.rowCount(), 4);
    EXPECT_EQ(grid.cell(1, 3), QStringLiteral("PC-01"));
    EXPECT_EQ(receiver.keys(), QStringList({"KEYA", "KEYB", "KEYC"}));
    // Forged announcements stop at a thousand participants, with one word about it.
    for (int i = 0; i < 1200; ++i)
        receive(QStringLiteral("PC"), Text({"TN-INIT", "KEY", "X", "10:15:00"}));
    EXPECT_EQ(grid.rowCount(), MasterReceiver::kMaxParticipants + 1);
    EXPECT_EQ(messages.texts(), QStringList({"Die Kontrollanzeige nimmt höchstens 1000 Teilnehmer "
                                             "auf. Weitere Anmeldungen werden nicht angezeigt."}));
}

TEST_F(ReceiverTest, ActionsFillTheRowAndTheQueryCells) {
    receive(QStringLiteral("PC-01"), Text({"TN-INIT", "KEYA", "Anna", "10:15:00"}));
    // Object 1 (query 2) solved after two wrong attempts.
    EXPECT_TRUE(receive(QStringLiteral("PC-01"), action("KEYA", "1", "0", "2")));
    EXPECT_EQ(grid.rows()[1],
              QStringList({"1", "PC-01", "Anna", "aktiv", "10:15:00", "00:42", "3", "1", "2",
                           "33.3 %", "2", "22.2 %", "5", "", "ff ok", ""}));
    // Object 3 (query 3) wrong once, not yet solved; then solved with a tick.
    receive(QStringLiteral("PC-01"), action("KEYA", "3", "-5", "1"));
    EXPECT_EQ(grid.cell(15, 1), QStringLiteral("f"));
    receive(QStringLiteral("PC-01"), action("KEYA", "0", "-2", "0"));
    EXPECT_EQ(grid.cell(13, 1), QStringLiteral("ok"));
    // Object 2 has no column, an index outside the objects none either: only the totals move.
    receive(QStringLiteral("PC-01"), action("KEYA", "2", "0", "0", "1"));
    receive(QStringLiteral("PC-01"), action("KEYA", "-1", "0", "0", "1"));
    receive(QStringLiteral("PC-01"), action("KEYA", "99", "0", "0", "1"));
    EXPECT_EQ(grid.cell(3, 1), QStringLiteral("fertig"));
    EXPECT_EQ(grid.tally(), (std::vector<ControlGrid::QueryTally>{{1, 0}, {1, 1}, {0, 1}}));
}

TEST_F(ReceiverTest, UnknownCommandsAndKeysChangeNothing) {
    receive(QStringLiteral("PC-01"), Text({"TN-INIT", "KEYA", "Anna", "10:15:00"}));
    const QString before = grid.toText();
    EXPECT_TRUE(receive(QStringLiteral("PC-01"), Text({"TN-HALLO", "KEYA"})));
    EXPECT_TRUE(receive(QStringLiteral("PC-01"), action("FREMD", "1", "0", "0")));
    EXPECT_TRUE(receive(QStringLiteral("PC-01"), Text({"TN-FERTIG", "FREMD", "1", "00:10"})));
    EXPECT_TRUE(receive(QStringLiteral("PC-01"), QString()));
    EXPECT_EQ(grid.toText(), before);
    EXPECT_TRUE(messages.entries().isEmpty());
}

TEST_F(ReceiverTest, AFailedConversionStopsWhereItHappens) {
    receive(QStringLiteral("PC-01"), Text({"TN-INIT", "KEYA", "Anna", "10:15:00"}));
    receive(QStringLiteral("PC-01"), action("KEYA", "1", "-5", "1"));
    // The totals are written, the query cell stays.
    EXPECT_FALSE(receive(QStringLiteral("PC-01"),
                         Text({"TN-AKTION", "KEYA", "eins", "0", "3", "0", "10:15:00", "3", "2",
                               "3", "1", "01:00", "40.0", "30.0", "4"})));
    EXPECT_EQ(grid.cell(7, 1), QStringLiteral("2"));
    EXPECT_EQ(grid.cell(14, 1), QStringLiteral("f"));
    // A state outside the four stops before anything is written.
    EXPECT_FALSE(receive(QStringLiteral("PC-01"), action("KEYA", "1", "0", "0", "7")));
    EXPECT_EQ(grid.cell(3, 1), QStringLiteral("aktiv"));
    EXPECT_FALSE(receive(QStringLiteral("PC-01"), Text({"TN-FERTIG", "KEYA", "-1", "00:10"})));
    EXPECT_EQ(grid.cell(5, 1), QStringLiteral("01:00"));
}

TEST_F(ReceiverTest, EndsAndResultsReachRowAndBestList) {
    receive(QStringLiteral("PC-01"), Text({"TN-INIT", "KEYA", "Anna", "10:15:00"}));
    receive(QStringLiteral("PC-02"), Text({"TN-INIT", "KEYB", "Ben", "10:15:00"}));
    EXPECT_TRUE(receive(QStringLiteral("PC-01"), Text({"TN-FERTIG", "KEYA", "3", "00:00"})));
    EXPECT_TRUE(receive(QStringLiteral("PC-02"), Text({"TN-FERTIG", "KEYB", " 2", "01:13"})));
    EXPECT_EQ(grid.cell(3, 1), QStringLiteral("timeout"));
    EXPECT_EQ(grid.cell(5, 1), QStringLiteral("00:00"));
    EXPECT_EQ(grid.cell(3, 2), QStringLiteral("abgebr."));

    // The key is not checked; the name is taken as it came; either decimal separator.
    EXPECT_TRUE(receive(QStringLiteral("PC-01"), Text({"TN-BESTLIST", "IRGENDWER", " Anna ",
                                                       "PC-01", "45678,5", "73000", "0,85"})));
    EXPECT_TRUE(receive(QStringLiteral("PC-02"),
                        Text({"TN-BESTLIST", "KEYB", "Ben", "PC-02", "45678.5", "61000", "0.5"})));
    // What does not convert, and what no run can send, makes no entry.
    const char* refused[][3] = {
        {"1", "7,3", "0,8"}, {"1", "7", "1e300"}, {"1", "-5", "0,8"}, {"1e300", "7", "0,8"}};
    for (const auto& [beginn, dauer, leistung] : refused)
        EXPECT_FALSE(receive(QStringLiteral("PC-01"), Text({"TN-BESTLIST", "KEYA", "Anna", "PC-01",
                                                            beginn, dauer, leistung})))
            << beginn << ' ' << dauer << ' ' << leistung;
    EXPECT_EQ(bestList,
              (std::vector<BestListDataTyp>{
                  {QStringLiteral(" Anna "), QStringLiteral("PC-01"), 45678.5, 73000, 0.85},
                  {QStringLiteral("Ben"), QStringLiteral("PC-02"), 45678.5, 61000, 0.5}}));
}

TEST(ParticipantMessages, LinesAsTheInitiatorReadsThem) {
    UebDataTyp run;
    run.RunQueries = 20;
    run.CorrectCount = 12;
    run.FailedAttempts = 3;
    run.OpenCount = 8;
    run.SuccessQuota = 0.8;
    run.TotalPerformance = 0.5333333;
    EXPECT_EQ(TnAktionLines(QStringLiteral("K"), {4, -2, 1}, RunEnd::Running,
                            QStringLiteral("10:00:00"), run, false, QStringLiteral("01:05"), 4),
              QStringList({"TN-AKTION", "K", "4", "-2", "1", "0", "10:00:00", "20", "12", "3", "8",
                           "01:05", "80.0", "53.3", "4"}));
    run.CorrectCount = 2.5;
    EXPECT_EQ(TnAktionLines(QStringLiteral("K"), {}, RunEnd::TimeLimit, QString(), run, true,
                            QString(), 1)
                  .mid(2, 8),
              QStringList({"-1", "0", "0", "3", "", "20", "2.50", "3.00"}));
    EXPECT_EQ(TnFertigLines(QStringLiteral("K"), RunEnd::Aborted, QStringLiteral("00:09")),
              QStringList({"TN-FERTIG", "K", "2", "00:09"}));
    EXPECT_EQ(TnBestlistLines(QStringLiteral("K"),
                              {QStringLiteral("Anna"), QStringLiteral("PC"), 45000.25, 61000, 0.75},
                              QLocale(QLocale::German, QLocale::Germany)),
              QStringList({"TN-BESTLIST", "K", "Anna", "PC", "45000,25", "61000", "0,75"}));
}

} // namespace
} // namespace quindor
