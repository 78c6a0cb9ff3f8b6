#include "Src/FFPlay/PacketQueue.h"
#include "Src/FFmpegLoader.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <future>
#include <thread>

namespace {

using namespace std::chrono_literals;

const char kFlushText[] = "FLUSH";

class PacketQueueTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(GlobalLoader().Load(TLibraries{ avCodec, avUtil }))
            << TFFmpegLoader::LastErrMsg();
        FFlush.reset(av::av_packet_alloc());
        FFlush->data = reinterpret_cast<uint8_t*>(const_cast<char*>(kFlushText));
    }
    void TearDown() override {
        FFlush.reset();
        GlobalLoader().Unload(TLibraries{ avCodec, avUtil });
    }

    static PacketPtr MakePacket(int size, uint8_t fill) {
        PacketPtr pkt(av::av_packet_alloc());
        if (size > 0) {
            EXPECT_EQ(av::av_new_packet(pkt.get(), size), 0);
            std::memset(pkt->data, fill, size);
        }
        return pkt;
    }

    PacketPtr FFlush;
};

TEST_F(PacketQueueTest, NonBlockingGetOnEmptyQueueLeavesItUnchanged) {
    TPacketQueue q;
    PacketPtr out(av::av_packet_alloc());
    EXPECT_EQ(q.Get(out.get(), false), 0);
    EXPECT_EQ(q.NbPackets(), 0);
    EXPECT_EQ(q.Size(), 0);
}

TEST_F(PacketQueueTest, CountsPayloadPlusNodeAndKeepsOrder) {
    TPacketQueue q;
    const int sizes[] = { 100, 0, 7 };
    int expected = 0;
    for (int i = 0; i < 3; ++i) {
        PacketPtr pkt = MakePacket(sizes[i], static_cast<uint8_t>(i + 1));
        ASSERT_EQ(q.Put(pkt.get(), FFlush.get()), 0);
        expected += sizes[i] + TPacketQueue::NodeOverhead;
        EXPECT_EQ(q.Size(), expected);
    }
    EXPECT_EQ(q.NbPackets(), 3);
    PacketPtr out(av::av_packet_alloc());
    for (int i = 0; i < 3; ++i) {
        ASSERT_EQ(q.Get(out.get(), false), 1);
        EXPECT_EQ(out->size, sizes[i]);
        if (sizes[i] > 0) {
            EXPECT_EQ(out->data[0], i + 1);
        }
        expected -= sizes[i] + TPacketQueue::NodeOverhead;
        EXPECT_EQ(q.Size(), expected);
    }
    EXPECT_EQ(q.NbPackets(), 0);
    av::av_packet_unref(out.get());
}

TEST_F(PacketQueueTest, KeepsItsOwnCopyOfBorrowedPayload) {
    TPacketQueue q;
    uint8_t borrowed[4] = { 1, 2, 3, 4 };
    PacketPtr pkt(av::av_packet_alloc());
    pkt->data = borrowed;
    pkt->size = sizeof borrowed;
    ASSERT_EQ(q.Put(pkt.get(), FFlush.get()), 0);
    borrowed[0] = 99;
    PacketPtr out(av::av_packet_alloc());
    ASSERT_EQ(q.Get(out.get(), false), 1);
    EXPECT_NE(out->data, borrowed);
    EXPECT_EQ(out->data[0], 1);
    av::av_packet_unref(out.get());
}

TEST_F(PacketQueueTest, MovedPacketHandsOverItsBufferAndBorrowedOnesAreCopied) {
    TPacketQueue q;
    PacketPtr read = MakePacket(16, 7);
    const uint8_t* payload = read->data;
    ASSERT_EQ(q.PutMoved(read.get()), 0);
    EXPECT_EQ(read->buf, nullptr);
    EXPECT_EQ(read->size, 0);
    uint8_t borrowed[2] = { 5, 6 };
    read->data = borrowed;
    read->size = sizeof borrowed;
    ASSERT_EQ(q.PutMoved(read.get()), 0);
    EXPECT_EQ(q.Size(), 16 + 2 + 2 * TPacketQueue::NodeOverhead);

    PacketPtr out(av::av_packet_alloc());
    ASSERT_EQ(q.Get(out.get(), false), 1);
    EXPECT_EQ(out->data, payload);
    ASSERT_EQ(q.Get(out.get(), false), 1);
    EXPECT_NE(out->data, borrowed);
    EXPECT_EQ(out->data[1], 6);
    av::av_packet_unref(out.get());
}

TEST_F(PacketQueueTest, FlushMarkerTravelsAsItself) {
    TPacketQueue q;
    ASSERT_EQ(q.Put(FFlush.get(), FFlush.get()), 0);
    EXPECT_EQ(q.Size(), TPacketQueue::NodeOverhead);
    PacketPtr out(av::av_packet_alloc());
    ASSERT_EQ(q.Get(out.get(), false), 1);
    EXPECT_TRUE(IsFlushPacket(out.get(), FFlush.get()));
    EXPECT_EQ(out->buf, nullptr);
    av::av_packet_unref(out.get());
    PacketPtr other = MakePacket(5, 0);
    EXPECT_FALSE(IsFlushPacket(other.get(), FFlush.get()));
}

TEST_F(PacketQueueTest, EmptyEndPacketStaysWithoutData) {
    // A decoder drains on a packet without data; one with data and no bytes is refused.
    TPacketQueue q;
    PacketPtr end(av::av_packet_alloc());
    ASSERT_EQ(q.Put(end.get(), FFlush.get()), 0);
    EXPECT_EQ(q.Size(), TPacketQueue::NodeOverhead);
    PacketPtr out = MakePacket(8, 1);
    ASSERT_EQ(q.Get(out.get(), false), 1);
    EXPECT_EQ(out->data, nullptr);
    EXPECT_EQ(out->size, 0);
}

TEST_F(PacketQueueTest, AbortFailsEveryGetAndFlushKeepsTheAbort) {
    TPacketQueue q;
    PacketPtr pkt = MakePacket(10, 0);
    ASSERT_EQ(q.Put(pkt.get(), FFlush.get()), 0);
    q.Abort();
    PacketPtr out(av::av_packet_alloc());
    EXPECT_EQ(q.Get(out.get(), false), -1);
    EXPECT_EQ(q.Get(out.get(), true), -1);
    EXPECT_EQ(q.NbPackets(), 1);
    q.Flush();
    EXPECT_EQ(q.NbPackets(), 0);
    EXPECT_EQ(q.Size(), 0);
    EXPECT_TRUE(q.AbortRequest());
    EXPECT_EQ(q.Get(out.get(), true), -1);
}

TEST_F(PacketQueueTest, AbortWakesABlockedReader) {
    TPacketQueue q;
    auto reader = std::async(std::launch::async, [&] {
        PacketPtr out(av::av_packet_alloc());
        return q.Get(out.get(), true);
    });
    EXPECT_EQ(reader.wait_for(50ms), std::future_status::timeout);
    q.Abort();
    ASSERT_EQ(reader.wait_for(30s), std::future_status::ready);
    EXPECT_EQ(reader.get(), -1);
}

TEST_F(PacketQueueTest, BlockingReaderReceivesEveryPacketInOrder) {
    TPacketQueue q;
    constexpr int kCount = 500;
    auto reader = std::async(std::launch::async, [&] {
        PacketPtr out(av::av_packet_alloc());
        int next = 0;
        while (next < kCount) {
            if (q.Get(out.get(), true) != 1) break;
            if (out->pts != next) break;
            ++next;
            av::av_packet_unref(out.get());
        }
        return next;
    });
    for (int i = 0; i < kCount; ++i) {
        PacketPtr pkt = MakePacket(16, static_cast<uint8_t>(i));
        pkt->pts = i;
        ASSERT_EQ(q.Put(pkt.get(), FFlush.get()), 0);
    }
    ASSERT_EQ(reader.wait_for(60s), std::future_status::ready);
    EXPECT_EQ(reader.get(), kCount);
    EXPECT_EQ(q.Size(), 0);
}

} // namespace
