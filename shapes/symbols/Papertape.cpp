// The paper tape: two vertical sides joined by the same wave at the top and
// at the bottom.
#include "Waves.h"

namespace {

constexpr float kWaveAspect = 0.5f;

class Papertape final : public WaveSymbol {
    void figure(Canvas& canvas, Pass pass, const Corners& c, VbColor drawColor) override {
        const std::optional<VbColor> color = finalColor(pass, drawColor);
        if (pass != Pass::Final) frame(canvas, c);
        sides(canvas, c, color);
        wave(canvas, c, c.y0, kWaveAspect, color);
        wave(canvas, c, c.y1, kWaveAspect, color);
    }
    // Below the trough of the top wave and above the crest of the bottom one.
    LabelSite label(const Corners& c) const override {
        const float a = amplitude(c, kWaveAspect);
        return LabelSite::inside(c.x0, c.y0 + a, c.x1, c.y1 - a);
    }
    // The crest of the top wave and the trough of the bottom one.
    QMarginsF beyond(const Corners& c) const override {
        const qreal a = amplitude(c, kWaveAspect);
        return {0, a, 0, a};
    }
};

const ShapeRegistration registration("Papertape", [] { return std::make_unique<Papertape>(); });

}  // namespace
