#pragma once

#include "ionicdesign.h"
#include "screen.h"

class RatioCut;

// 限界半径比: the learner picks a structure (Label2-4) and shrinks or grows
// its cation in the cut (RatioCut, laid over the place Image1 keeps for it)
// by keys, by a drag, or by 小さく and 大きく (Label7, Label8); the ratio and
// what the ions do follow on Label5 and Label6. The explanation's stages are
// the declaration's states (radiusratiodesign.cpp).
class RadiusRatioScreen : public TypedScreen<controls::radiusRatio::Tag> {
    Q_OBJECT
public:
    RadiusRatioScreen(const ScreenDesign& design, const ScreenContext& context);

    RatioCut* cut() const { return m_cut; }
    QString progress() const override;

private:
    void choose(cell::CrystalType t);
    void showRatio();

    RatioCut* m_cut;
};
