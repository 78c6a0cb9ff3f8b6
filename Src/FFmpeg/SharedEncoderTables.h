#pragma once
#include <condition_variable>
#include <mutex>

struct AVCodec;

// Some encoder libraries rebuild process-wide tables every time one of their encoders opens.
// An encoder of the same library coding a frame in another conversion meanwhile reads the
// tables half rebuilt and writes a damaged picture. Such an encoder opens only while no frame
// of its kind is being coded, and coding waits while one opens. Opening goes first: a waiting
// open holds back new frames, so a run of busy encoders cannot keep it out.
class TSharedEncoderTables {
public:
    // True for the encoders whose opening rebuilds shared tables.
    static bool Rebuilds(const AVCodec* codec);

    // The gate of the whole process.
    static TSharedEncoderTables& Instance();

    // Held while a frame is coded; any number at once.
    class CodingScope {
    public:
        CodingScope(TSharedEncoderTables& gate, bool needed);
        ~CodingScope();
        CodingScope(const CodingScope&) = delete;
        CodingScope& operator=(const CodingScope&) = delete;

    private:
        TSharedEncoderTables* FGate;
    };

    // Held while an encoder opens; alone.
    class OpeningScope {
    public:
        OpeningScope(TSharedEncoderTables& gate, bool needed);
        ~OpeningScope();
        OpeningScope(const OpeningScope&) = delete;
        OpeningScope& operator=(const OpeningScope&) = delete;

    private:
        TSharedEncoderTables* FGate;
    };

private:
    void BeginCoding();
    void EndCoding();
    void BeginOpening();
    void EndOpening();

    std::mutex FLock;
    std::condition_variable FChanged;
    int FCoding{ 0 };
    int FOpeningWaits{ 0 };
    bool FOpening{ false };
};
