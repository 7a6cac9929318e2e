// The document: a rectangle whose bottom side is a flat wave.
#include "Waves.h"

namespace {

constexpr float kWaveAspect = 0.4f;

class Documentdata final : public WaveSymbol {
    void figure(Canvas& canvas, Pass pass, const Corners& c, VbColor drawColor) override {
        const std::optional<VbColor> color = finalColor(pass, drawColor);
        if (pass != Pass::Final) frame(canvas, c);
        sides(canvas, c, color);
        canvas.Line(c.x0, c.y0, c.x1, c.y0, color);  // top
        wave(canvas, c, c.y1, kWaveAspect, color);
    }
    // Above the crest of the wave.
    LabelSite label(const Corners& c) const override {
        return LabelSite::inside(c.x0, c.y0, c.x1, c.y1 - amplitude(c, kWaveAspect));
    }
    // The trough of the wave.
    QMarginsF beyond(const Corners& c) const override { return {0, 0, 0, amplitude(c, kWaveAspect)}; }
};

const ShapeRegistration registration("Documentdata", [] { return std::make_unique<Documentdata>(); });

}  // namespace
