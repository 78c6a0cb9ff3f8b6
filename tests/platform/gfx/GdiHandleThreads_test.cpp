#include "platform/gfx/Gdi.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

using namespace win;

// A worker may create and free GDI objects while another thread does the same: the table must
// hand out distinct live handles and end where it started.
TEST(GdiHandleThreads, ConcurrentCreateAndDeleteKeepTheTableConsistent) {
    DeleteDC(CreateCompatibleDC(nullptr)); // stock objects are made once, before counting
    const std::size_t before = gdi::LiveCount();
    std::vector<std::thread> workers;
    for (int t = 0; t < 4; ++t) {
        workers.emplace_back([t] {
            // Every DC selects the shared stock objects.
            HDC dc = CreateCompatibleDC(nullptr);
            std::vector<HBRUSH> mine;
            for (int i = 0; i < 500; ++i) {
                mine.push_back(CreateSolidBrush(RGB(t, i & 0xFF, 0)));
                if (i % 3 == 0) {
                    EXPECT_TRUE(DeleteObject(mine.front()));
                    mine.erase(mine.begin());
                }
            }
            for (HBRUSH brush : mine) {
                LOGBRUSH lb;
                EXPECT_EQ(GetObject(brush, sizeof lb, &lb), int(sizeof lb));
                EXPECT_EQ(GetRValue(lb.lbColor), t) << "a handle reached another thread's brush";
                SelectObject(dc, brush);
                SelectObject(dc, GetStockObject(WHITE_BRUSH));
                EXPECT_TRUE(DeleteObject(brush));
            }
            DeleteDC(dc);
        });
    }
    for (std::thread& w : workers)
        w.join();
    EXPECT_EQ(gdi::LiveCount(), before);
}
