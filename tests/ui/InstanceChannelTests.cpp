#include "ui/InstanceChannel.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLocalServer>
#include <QUuid>
#include <atomic>
#include <thread>
#include <gtest/gtest.h>

TEST(InstanceChannel, TheSecondStartReachesTheFirst)
{
    QString name = QStringLiteral("vellumbrix-test-") + QUuid::createUuid().toString(QUuid::Id128);
    EXPECT_FALSE(InstanceChannel::Send(name, InstanceChannel::kBringToFront, {}, 200)) << "nobody listens yet";

    InstanceChannel first;
    ASSERT_TRUE(first.Listen(name));
    std::vector<std::pair<std::uint32_t, QByteArray>> received;
    QObject::connect(&first, &InstanceChannel::messageReceived, [&](std::uint32_t type, const QByteArray& block) { received.emplace_back(type, block); });

    InstanceChannel second;
    EXPECT_FALSE(second.Listen(name)) << "the first owns the channel";

    // The owner answers from its event loop, which runs here while another
    // thread sends and waits, as the second program would.
    std::atomic<bool> sent = false;
    QByteArray block(600, 'x');
    QElapsedTimer timer;
    timer.start();
    std::thread sender([&] { sent = InstanceChannel::Send(name, 48002, block); });
    while (!sent && timer.elapsed() < 3000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    sender.join();
    EXPECT_TRUE(sent.load());
    ASSERT_EQ(received.size(), 1u);
    EXPECT_EQ(received[0].first, 48002u);
    EXPECT_EQ(received[0].second, block);
    EXPECT_FALSE(InstanceChannel::Send(name, 1, QByteArray(InstanceChannel::kMaximumBlock + 1, 'x'))) << "too big to be a message";
}

TEST(InstanceChannel, NamesDependOnTheDevice)
{
    EXPECT_EQ(InstanceChannel::NameFor("/a/b"), InstanceChannel::NameFor("/a/b"));
    EXPECT_NE(InstanceChannel::NameFor("/a/b"), InstanceChannel::NameFor("/a/c"));
}

TEST(InstanceChannel, ASocketLeftWithoutItsOwnerIsTakenOverAndTheLockDecides)
{
    QString name = QStringLiteral("vellumbrix-test-") + QUuid::createUuid().toString(QUuid::Id128);
    // A socket under the name whose program holds no lock: one left behind
    // by a program that ended without closing it.
    QLocalServer leftBehind;
    ASSERT_TRUE(leftBehind.listen(name));
    EXPECT_FALSE(InstanceChannel::IsOwned(name));
    EXPECT_FALSE(InstanceChannel::Send(name, 1, {}, 300)) << "nobody owns it, so nobody answers";

    {
        InstanceChannel owner;
        ASSERT_TRUE(owner.Listen(name));
        EXPECT_TRUE(InstanceChannel::IsOwned(name));
        EXPECT_TRUE(owner.Listen(name)) << "listening again changes nothing";
        InstanceChannel late;
        EXPECT_FALSE(late.Listen(name));
    }
    // Closed: the channel is free for the next start.
    EXPECT_FALSE(InstanceChannel::IsOwned(name));
    InstanceChannel next;
    EXPECT_TRUE(next.Listen(name));
}
