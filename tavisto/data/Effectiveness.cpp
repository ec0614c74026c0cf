#include "Effectiveness.h"

namespace tavisto {

Ineffective whyIneffective(TimingKind kind, const EffectInputs& inputs)
{
    if (!inputs.anyWeekday)
        return Ineffective::NoWeekday;
    if (kind != TimingKind::Music && inputs.startIsEnd)
        return Ineffective::EmptySpan;
    if (kind == TimingKind::Music && inputs.track1 == 0 && inputs.track2 == 0 && inputs.track3 == 0)
        return Ineffective::NoTrack;
    if (kind == TimingKind::Random && inputs.track1 == inputs.track3)
        return Ineffective::EmptyRange;
    return Ineffective::None;
}

}  // namespace tavisto
