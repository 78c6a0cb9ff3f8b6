#include "Src/FFPlay/PacketQueue.h"

TPacketQueue::~TPacketQueue() {
    Flush();
}

int TPacketQueue::Put(const AVPacket* pkt, const AVPacket* flush) {
    TNode node;
    if (IsFlushPacket(pkt, flush)) {
        node.Flush = flush;
        node.Bytes = pkt->size + NodeOverhead;
    } else {
        node.Packet.reset(av::av_packet_alloc());
        if (!node.Packet) return -1;
        // The empty end-of-input packet stays empty: referencing it would give it a buffer, and
        // a decoder refuses an empty packet with data as invalid instead of draining.
        if (pkt->size == 0 && pkt->data == nullptr) {
            node.Bytes = NodeOverhead;
            std::lock_guard lock(FMutex);
            FSize += node.Bytes;
            FNodes.push_back(std::move(node));
            FCond.notify_one();
            return 0;
        }
        // A packet without a buffer (borrowed demuxer memory) is copied here, so the queue
        // never points into memory the read thread reuses.
        if (av::av_packet_ref(node.Packet.get(), pkt) < 0) return -1;
        node.Bytes = node.Packet->size + NodeOverhead;
    }
    {
        std::lock_guard lock(FMutex);
        FSize += node.Bytes;
        FNodes.push_back(std::move(node));
    }
    FCond.notify_one();
    return 0;
}

int TPacketQueue::PutMoved(AVPacket* pkt) {
    if (!pkt->buf || pkt->size == 0) {
        const int ret = Put(pkt, nullptr);
        av::av_packet_unref(pkt);
        return ret;
    }
    TNode node;
    node.Packet.reset(av::av_packet_alloc());
    if (!node.Packet) return -1;
    av::av_packet_move_ref(node.Packet.get(), pkt);
    node.Bytes = node.Packet->size + NodeOverhead;
    {
        std::lock_guard lock(FMutex);
        FSize += node.Bytes;
        FNodes.push_back(std::move(node));
    }
    FCond.notify_one();
    return 0;
}

int TPacketQueue::Get(AVPacket* pkt, bool block) {
    std::unique_lock lock(FMutex);
    for (;;) {
        if (FAbortRequest.load()) return -1;
        if (!FNodes.empty()) {
            TNode node = std::move(FNodes.front());
            FNodes.pop_front();
            FSize -= node.Bytes;
            lock.unlock();
            av::av_packet_unref(pkt);
            if (node.Packet) {
                av::av_packet_move_ref(pkt, node.Packet.get());
            } else {
                // The marker is handed out without a buffer of its own: only its data pointer
                // matters, and unreferencing a packet without a buffer frees nothing.
                pkt->data = node.Flush->data;
                pkt->size = node.Flush->size;
            }
            return 1;
        }
        if (!block) return 0;
        FCond.wait(lock);
    }
}

void TPacketQueue::Abort() {
    {
        std::lock_guard lock(FMutex);
        FAbortRequest.store(true);
    }
    FCond.notify_all();
}

void TPacketQueue::Start() {
    Flush();
    std::lock_guard lock(FMutex);
    FAbortRequest.store(false);
}

void TPacketQueue::Flush() {
    std::deque<TNode> dropped;
    {
        std::lock_guard lock(FMutex);
        dropped.swap(FNodes);
        FSize = 0;
    }
}

int TPacketQueue::NbPackets() const {
    std::lock_guard lock(FMutex);
    return static_cast<int>(FNodes.size());
}

int TPacketQueue::Size() const {
    std::lock_guard lock(FMutex);
    return FSize;
}
