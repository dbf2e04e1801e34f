// Mailslots on loopback addresses of this machine: every simulated computer has its own
// address in 127.0.0.0/8, and the host map keeps every name away from any name server.
#include "network/envelope.h"
#include "network/mailslot.h"

#include "core/win1252.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTimer>

#include <gtest/gtest.h>

namespace quindor {
namespace {

struct Received {
    QString computer;
    QString text;
    QString user;
};

// A channel name of its own for every test, so tests running side by side never share a port.
QString FreshChannel() {
    QString name = QStringLiteral("T");
    for (int i = 0; i < 7; ++i)
        name.append(QChar(u'A' + QRandomGenerator::global()->bounded(26)));
    return name;
}

bool WaitUntil(const std::function<bool()>& done, int milliseconds) {
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < milliseconds)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return done();
}

class MailslotTest : public ::testing::Test {
protected:
    MailslotTest() {
        resolver.setMap({{QStringLiteral("LEHRER"), QHostAddress(QStringLiteral("127.0.0.61"))},
                         {QStringLiteral("TN1"), QHostAddress(QStringLiteral("127.0.0.62"))}});
        master.setMailBox(channel);
        master.setCheckInterval(150);
        master.OnNewMessage = [this](TALMailSlot2&, const QString& computer, const QString& text,
                                     const QString& user) {
            received.push_back({computer, text, user});
        };
        participant.setMailBox(channel);
    }

    QString channel = FreshChannel();
    RecordingMessages messages;
    platform::HostResolver resolver;
    TALMailSlot2 master{messages, resolver,
                        platform::HostIdentity(QStringLiteral("LEHRER"), QStringLiteral("chef"))};
    TALMailSlot2 participant{messages, resolver,
                             platform::HostIdentity(QStringLiteral("TN1"), QStringLiteral("anna"))};
    std::vector<Received> received;
};

TEST_F(MailslotTest, AMessageReachesTheReceiverWithItsSender) {
    master.setActive(true);
    ASSERT_TRUE(master.active());
    EXPECT_TRUE(participant.send(QStringLiteral("lehrer"),
                                 {QStringLiteral("TN-INIT"), QStringLiteral("Jörg")}));
    ASSERT_TRUE(WaitUntil([this] { return !received.empty(); }, 2000));
    EXPECT_EQ(received[0].computer, QStringLiteral("TN1"));
    EXPECT_EQ(received[0].user, QStringLiteral("anna"));
    EXPECT_EQ(received[0].text, QStringLiteral("TN-INIT\r\nJörg\r\n"));
    // A computer nobody knows gets nothing, and the sender learns it.
    EXPECT_FALSE(participant.send(QStringLiteral("NIEMAND"), {QStringLiteral("TN-INIT")}));
}

TEST_F(MailslotTest, NamesLongerThanEightAreRefused) {
    master.setMailBox(QStringLiteral("KLASSE-10B"));
    EXPECT_EQ(master.mailBox(), channel);
    ASSERT_EQ(messages.entries().size(), 1);
    EXPECT_EQ(messages.entries()[0].kind, MessageKind::Error);
    EXPECT_EQ(messages.entries()[0].text,
              QStringLiteral("MailBox name cannot be greater than 8 characters long."));
    master.setMailBox(QStringLiteral("ABCDEFGH"));
    EXPECT_EQ(master.mailBox(), QStringLiteral("ABCDEFGH"));
}

TEST_F(MailslotTest, ANameTakenOnThisComputerLeavesTheSecondInactive) {
    master.setActive(true);
    TALMailSlot2 second(messages, resolver,
                        platform::HostIdentity(QStringLiteral("LEHRER"), QStringLiteral("chef")));
    second.setMailBox(channel);
    second.setActive(true);
    EXPECT_FALSE(second.active());
    EXPECT_TRUE(messages.entries().isEmpty());
}

TEST_F(MailslotTest, DeactivationWaitsAtMostOneStep) {
    master.setCheckInterval(5000);
    master.setActive(true);
    QElapsedTimer timer;
    timer.start();
    master.setActive(false);
    EXPECT_LT(timer.elapsed(), 1000);
    EXPECT_FALSE(master.active());
}

// Rubbish from anybody on the network neither stops nor stalls the initiator, and the real
// messages among it arrive.
TEST_F(MailslotTest, AFloodOfRubbishLosesNoRealMessage) {
    master.setActive(true);
    platform::DatagramSender attacker(QHostAddress(QStringLiteral("127.0.0.63")));
    const uint16_t port = platform::DatagramEndpoint::portFor(channel);
    const QHostAddress target(QStringLiteral("127.0.0.61"));
    QRandomGenerator random(7);
    int longestGap = 0;
    QElapsedTimer gap;
    gap.start();
    QTimer probe;
    QObject::connect(&probe, &QTimer::timeout, [&] {
        longestGap = std::max<int>(longestGap, static_cast<int>(gap.restart()));
    });
    probe.start(10);
    int real = 0;
    for (int i = 0; i < 10'000; ++i) {
        QByteArray rubbish(1 + random.bounded(600), Qt::Uninitialized);
        for (char& c : rubbish)
            c = static_cast<char>(random.bounded(256));
        // Some rubbish looks like the start of a message.
        if (i % 10 == 0)
            rubbish.prepend(i % 20 == 0 ? "Message\r\nx" : "Message");
        attacker.send(target, port, rubbish);
        if (i % 100 == 0)
            participant.send(QStringLiteral("LEHRER"),
                             {QStringLiteral("TN-AKTION"), QString::number(real++)});
        if (i % 500 == 0)
            QCoreApplication::processEvents();
    }
    gap.restart();
    // Rubbish that happens to hold three line ends after the marker is a message with a
    // rubbish text, which the initiator's receiver ignores; the real ones come in order.
    const auto realOnes = [this] {
        QStringList texts;
        for (const Received& r : received) {
            if (r.computer == QStringLiteral("TN1"))
                texts.append(r.text);
        }
        return texts;
    };
    ASSERT_TRUE(WaitUntil([&] { return realOnes().size() == real; }, 10'000))
        << realOnes().size() << " of " << real;
    for (int i = 0; i < real; ++i)
        EXPECT_EQ(realOnes().at(i), QStringLiteral("TN-AKTION\r\n%1\r\n").arg(i));
    EXPECT_LE(longestGap, 100);
}

} // namespace
} // namespace quindor
