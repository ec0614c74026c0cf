#pragma once
// Whether a timing would do anything on the player: the rule behind the status bar's
// 此定时有效 / 此定时无效, shared by the editor and the week plan.

namespace tavisto {

enum class TimingKind { Music, Peripheral, Random };

enum class Ineffective {
    None,
    NoWeekday,   // no day is ticked
    EmptySpan,   // a span that ends where it starts
    NoTrack,     // a music timing whose three tracks are 0
    EmptyRange,  // a random timing whose first and last track are equal
};

struct EffectInputs {
    bool anyWeekday = false;
    bool startIsEnd = false;  // spans only: the start time equals the end time
    int track1 = 0;           // the first track of a random range
    int track2 = 0;
    int track3 = 0;  // the last track of a random range
};

// The first reason the timing does nothing, or None. The zones play no part, nor does the order
// of start and end: a span from 23:00 to 01:00 runs past midnight.
Ineffective whyIneffective(TimingKind kind, const EffectInputs& inputs);

}  // namespace tavisto
