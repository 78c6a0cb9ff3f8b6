#pragma once
#include "Src/AVCodecStubs.h"

#include <atomic>
#include <condition_variable>
#include <deque>
#include <mutex>

// The packets the read thread hands to one decoder. The flush marker travels through the queue
// as itself: it is compared by its data pointer only, never referenced or decoded.
class TPacketQueue {
public:
    // Each queued packet counts its payload plus the bookkeeping of one node.
    static constexpr int NodeOverhead = 72;

    TPacketQueue() = default;
    ~TPacketQueue();
    TPacketQueue(const TPacketQueue&) = delete;
    TPacketQueue& operator=(const TPacketQueue&) = delete;

    // Takes a reference to pkt's payload (pkt itself stays the caller's). Result 0, or -1 when
    // the payload cannot be referenced.
    int Put(const AVPacket* pkt, const AVPacket* flush);
    // Moves a read packet's payload into the queue, leaving pkt blank: the decoder then holds
    // the only reference, so the reader never frees a buffer a decoder has used.
    int PutMoved(AVPacket* pkt);
    // Moves the oldest packet into pkt, which the caller unreferences. Result 1 with a packet,
    // 0 when empty and not blocking, -1 once the queue is aborted (also with packets left).
    int Get(AVPacket* pkt, bool block);
    void Abort();
    // Empties the queue and lifts an abort, for a stream that opens again.
    void Start();
    // Drops every queued packet; an abort stays in force.
    void Flush();

    int NbPackets() const;
    int Size() const;
    bool AbortRequest() const { return FAbortRequest.load(); }

private:
    struct TNode {
        PacketPtr Packet; // null for the flush marker
        const AVPacket* Flush{ nullptr };
        int Bytes{ 0 };
    };

    mutable std::mutex FMutex;
    std::condition_variable FCond;
    std::deque<TNode> FNodes;
    int FSize{ 0 };
    std::atomic<bool> FAbortRequest{ false };
};

// Whether pkt is the flush marker `flush`: the same data pointer.
inline bool IsFlushPacket(const AVPacket* pkt, const AVPacket* flush) {
    return flush != nullptr && pkt->data != nullptr && pkt->data == flush->data;
}
