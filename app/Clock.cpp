#include "app/Clock.h"

#include <limits>

namespace qd {

Clock::Clock(std::vector<Timer*> table) : table_(std::move(table)) {
    for (Timer* t : table_) t->Attach(this);
}

void Clock::AdvanceTo(int64_t target) {
    while (!Halted()) {
        int64_t next = std::numeric_limits<int64_t>::max();
        for (const Timer* t : table_)
            if (t->Enabled() && !t->firing && t->Interval() > 0 && t->DueAt() < next)
                next = t->DueAt();
        if (next > target) break;
        if (next > now_) now_ = next;
        for (Timer* t : table_) {
            if (Halted()) return;
            // Checked again per timer: an earlier handler may have disabled it.
            if (!t->Enabled() || t->firing || t->Interval() <= 0 || t->DueAt() > now_) continue;
            t->Rearm();
            if (t->DueAt() <= now_) t->RearmFrom(now_);  // fell behind: no making up
            t->firing = true;
            if (t->onTimer) t->onTimer();
            t->firing = false;
        }
    }
    if (target > now_) now_ = target;
}

}  // namespace qd
