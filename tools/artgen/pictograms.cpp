// The 24 effect pictograms, each drawn around the icon's centre within about 20 pixels.
#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "tools/artgen/kit.hpp"
#include "tools/artgen/pen.hpp"

namespace art {

namespace {

constexpr double kDeg = std::numbers::pi / 180.0;
constexpr Rgb kWhiteLight{255, 255, 255};

Pt Polar(double radius, double degrees) {
    return {radius * std::cos(degrees * kDeg), radius * std::sin(degrees * kDeg)};
}

double Angle(double x, double y) {
    return std::atan2(y, x) / kDeg;
}

void Rays(Pen& pen, double x, double y, int count, double from, double to, double width, Rgb color,
          double startDeg = 0) {
    for (int i = 0; i < count; ++i) {
        const Pt a = Polar(from, startDeg + 360.0 * i / count);
        const Pt b = Polar(to, startDeg + 360.0 * i / count);
        pen.Line({x + a.x, y + a.y}, {x + b.x, y + b.y}, width, color);
    }
}

void ColorBreathe(Pen& pen) {
    // A glowing core in every colour, breathing out in rings that change colour too.
    const Paint hue = [](double x, double y) { return HueColor(Angle(x, y)); };
    pen.Shape([](double x, double y) { return SdRing(x, y, 0, 0, 18, 0.9); }, hue, 0.4);
    pen.Shape([](double x, double y) { return SdRing(x, y, 0, 0, 13, 1.1); }, hue, 0.75);
    const auto core = [](double x, double y) { return SdCircle(x, y, 0, 0, 7.5); };
    pen.Light(core, {200, 120, 255}, 8, 0.6);
    pen.Shape(core, [](double x, double y) {
        return Mix(kWhiteLight, HueColor(Angle(x, y) + 120), std::min(1.0, std::hypot(x, y) / 7.5));
    });
}

void Rainbow(Pen& pen) {
    for (int band = 0; band < 6; ++band) {
        const double r = 19 - band * 2.6;
        const Rgb color = HueColor(band * 52.0);
        const auto arc = [r](double x, double y) {
            return std::max(SdRing(x, y, 0, 7, r, 1.35), y - 7);
        };
        pen.Light(arc, color, 4, 0.25);
        pen.Shape(arc, color);
    }
}

void Breathe(Pen& pen) {
    const Rgb cyan{0, 210, 255};
    pen.Shape([](double x, double y) { return SdRing(x, y, 0, 0, 18, 0.9); }, cyan, 0.35);
    pen.Shape([](double x, double y) { return SdRing(x, y, 0, 0, 13, 1.1); }, cyan, 0.65);
    const auto core = [](double x, double y) { return SdCircle(x, y, 0, 0, 7.5); };
    pen.Light(core, cyan, 8, 0.7);
    pen.Shape(core, [cyan](double x, double y) {
        return Mix(kWhiteLight, cyan, std::min(1.0, std::hypot(x + 2, y + 2) / 8));
    });
}

void Off(Pen& pen) {
    const Rgb ink{225, 232, 240};
    pen.Shape(
        [](double x, double y) {
            const double ring = SdRing(x, y, 0, 2, 13, 1.3);
            const double a = Angle(x, y - 2);
            return (a > -125 && a < -55) ? std::max(ring, 2.0) : ring;
        },
        ink);
    pen.Line({0, -15}, {0, -1}, 2.6, ink);
}

void Bulb(Pen& pen, double x, double y, double radius, Rgb color, int rays) {
    const auto disc = [=](double px, double py) { return SdCircle(px, py, x, y, radius); };
    pen.Light(disc, color, 7, 0.7);
    pen.Shape(disc, [=](double px, double py) {
        return Mix(kWhiteLight, color,
                   std::min(1.0, std::hypot(px - x + 1.5, py - y + 1.5) / radius));
    });
    Rays(pen, x, y, rays, radius + 3, radius + 6.5, 1.6, color, 90.0 / rays);
}

void TwoBlink(Pen& pen) {
    Bulb(pen, -9.5, 0, 5, {255, 70, 200}, 6);
    Bulb(pen, 9.5, 0, 5, {0, 210, 255}, 6);
}

void Blink(Pen& pen) {
    Bulb(pen, 0, 0, 6.5, {255, 214, 40}, 8);
}

void Static(Pen& pen) {
    const Rgb amber{255, 150, 30};
    pen.Shape([](double x, double y) { return SdRoundRect(x, y, -20, -5, 20, 5, 5); },
              Rgb{36, 44, 56});
    const auto bar = [](double x, double y) { return SdRoundRect(x, y, -19, -3, 19, 3, 3); };
    pen.Light(bar, amber, 9, 0.5);
    for (int i = 0; i < 5; ++i) pen.Disc(-15 + 7.5 * i, 0, 2.6, Mix(amber, kWhiteLight, 0.35));
    pen.Shape([](double x, double y) { return SdRoundRect(x, y, -20, 10, 20, 12, 1); }, amber, 0.5);
    pen.Shape([](double x, double y) { return SdRoundRect(x, y, -20, -12, 20, -10, 1); }, amber,
              0.5);
}

void Vespane(Pen& pen) {
    const auto vee = [](double x, double y) {
        return std::min(SdSegment(x, y, {-13, -12}, {0, 13}, 3.2),
                        SdSegment(x, y, {13, -12}, {0, 13}, 3.2));
    };
    const Paint gradient = [](double x, double) {
        return Mix(Rgb{0, 220, 255}, Rgb{230, 60, 255}, (x + 16) / 32);
    };
    pen.Light(vee, {80, 150, 255}, 8, 0.6);
    pen.Shape(vee, gradient);
    pen.Star(13, -14, 4.5, kWhiteLight);
}

void Sakura(Pen& pen) {
    const Rgb petal{255, 150, 200};
    for (int i = 0; i < 5; ++i) {
        const double a = -90 + 72.0 * i;
        const Pt c = Polar(8.5, a);
        const Pt tip = Polar(16.5, a);
        const auto shape = [c, tip](double x, double y) {
            return std::max(SdCircle(x, y, c.x, c.y, 7.2), -SdCircle(x, y, tip.x, tip.y, 2.2));
        };
        pen.Light(shape, petal, 4, 0.3);
        pen.Shape(shape, [c, petal](double x, double y) {
            return Mix(Rgb{255, 225, 240}, petal, std::min(1.0, std::hypot(x - c.x, y - c.y) / 7));
        });
    }
    pen.Disc(0, 0, 3.5, {255, 210, 90});
    for (int i = 0; i < 5; ++i) {
        const Pt p = Polar(5.5, -54 + 72.0 * i);
        pen.Disc(p.x, p.y, 1, {255, 120, 170});
    }
}

void Emergency(Pen& pen) {
    const Rgb red{255, 40, 50};
    const Rgb blue{30, 110, 255};
    // Beams to both sides.
    pen.Faded(
        [](double x, double y) {
            return SdPolygon(x, y, {{-4, -4}, {-22, -16}, {-22, 8}});
        },
        [red](double, double) { return red; },
        [](double x, double) { return 0.55 * std::clamp((x + 24) / 20, 0.0, 1.0); });
    pen.Faded(
        [](double x, double y) {
            return SdPolygon(x, y, {{4, -4}, {22, -16}, {22, 8}});
        },
        [blue](double, double) { return blue; },
        [](double x, double) { return 0.55 * std::clamp((24 - x) / 20, 0.0, 1.0); });
    // The dome, red on the left and blue on the right, on its base.
    const auto dome = [](double x, double y) { return std::max(SdCircle(x, y, 0, 4, 10), y - 4); };
    pen.Light(dome, {200, 80, 200}, 6, 0.6);
    pen.Shape(dome, [red, blue](double x, double) { return x < 0 ? red : blue; });
    pen.Shape([](double x, double y) { return SdRoundRect(x, y, -8, -3, -3, 1, 1.5); }, kWhiteLight,
              0.55);
    pen.Shape([](double x, double y) { return SdRoundRect(x, y, -14, 4, 14, 10, 2); },
              Rgb{150, 160, 176});
}

void Laser(Pen& pen) {
    const Pt source{-15, 14};
    const Rgb beams[4] = {{255, 40, 60}, {60, 255, 90}, {0, 200, 255}, {230, 60, 255}};
    for (int i = 0; i < 4; ++i) {
        const Pt end = {source.x + Polar(36, -80 + 18.0 * i).x,
                        source.y + Polar(36, -80 + 18.0 * i).y};
        const auto beam = [source, end](double x, double y) {
            return SdSegment(x, y, source, end, 0.8);
        };
        pen.Light(beam, beams[i], 3, 0.6);
        pen.Shape(beam, Mix(beams[i], kWhiteLight, 0.3));
        pen.Disc(end.x, end.y, 1.6, beams[i]);
    }
    pen.Shape(
        [source](double x, double y) {
            return SdRoundRect(x, y, source.x - 5, source.y - 3, source.x + 3, source.y + 5, 2);
        },
        Rgb{150, 160, 176});
    pen.Disc(source.x, source.y, 2.2, kWhiteLight);
}

void Marquee(Pen& pen) {
    for (int i = 0; i < 6; ++i) {
        const double x = -17.5 + 7 * i;
        const double level = (i % 3 == 2) ? 1.0 : (i % 3 == 1) ? 0.45 : 0.15;
        const Rgb color = HueColor(190 + 20.0 * i);
        const auto led = [x](double px, double py) { return SdCircle(px, py, x, -4, 2.8); };
        if (level > 0.9) pen.Light(led, color, 6, 0.7);
        pen.Shape(led, Mix(Rgb{30, 40, 54}, Mix(color, kWhiteLight, 0.25), level));
    }
    const Rgb arrow{0, 210, 255};
    pen.Line({-16, 9}, {12, 9}, 2.2, arrow);
    pen.Shape(
        [](double x, double y) {
            return SdPolygon(x, y, {{11, 4}, {18, 9}, {11, 14}});
        },
        arrow);
}

void Twinkling(Pen& pen) {
    pen.Star(-5, -3, 11, {255, 240, 170});
    pen.Star(11, -11, 6, {190, 230, 255});
    pen.Star(11, 10, 5, {255, 220, 150});
    pen.Star(-14, 13, 3.5, {190, 230, 255});
    pen.Disc(3, 14, 1.2, kWhiteLight);
    pen.Disc(-16, -14, 1.2, kWhiteLight);
}

void ColorCycle(Pen& pen) {
    const auto ring = [](double x, double y) {
        const double d = SdRing(x, y, 0, 0, 13, 2.3);
        const double a = Angle(x, y);
        return (a > -60 && a < -20) ? std::max(d, 2.0) : d;
    };
    const Paint hue = [](double x, double y) { return HueColor(Angle(x, y) + 60); };
    pen.Light(ring, {150, 150, 255}, 5, 0.4);
    pen.Shape(ring, hue);
    // Arrowhead at the end of the ring, pointing along it.
    const Pt tip = Polar(13, -60);
    const Pt back1 = Polar(8, -82);
    const Pt back2 = Polar(19, -82);
    pen.Shape(
        [=](double x, double y) {
            return SdPolygon(x, y, {{tip.x + 4, tip.y - 3}, back1, back2});
        },
        HueColor(0));
    pen.Disc(0, 0, 3, kWhiteLight);
}

void Meteor(Pen& pen) {
    const Pt head{9, -9};
    const Pt tail{-18, 18};
    const auto streak = [=](double x, double y) {
        // Tapers from the head to the tail.
        const double along = std::clamp(
            ((x - tail.x) * (head.x - tail.x) + (y - tail.y) * (head.y - tail.y)) /
                ((head.x - tail.x) * (head.x - tail.x) + (head.y - tail.y) * (head.y - tail.y)),
            0.0, 1.0);
        return SdSegment(x, y, tail, head, 0.3 + 4.2 * along);
    };
    pen.Faded(
        streak,
        [=](double x, double) {
            return Mix(Rgb{255, 60, 20}, Rgb{255, 220, 120}, (x - tail.x) / (head.x - tail.x));
        },
        [=](double x, double) { return std::clamp((x - tail.x) / (head.x - tail.x), 0.0, 1.0); });
    const auto core = [=](double x, double y) { return SdCircle(x, y, head.x, head.y, 4.6); };
    pen.Light(core, {255, 160, 60}, 8, 0.8);
    pen.Shape(core, [=](double x, double y) {
        return Mix(kWhiteLight, Rgb{255, 200, 100},
                   std::min(1.0, std::hypot(x - head.x, y - head.y) / 4.6));
    });
}

void BlackHole(Pen& pen) {
    // Accretion disc seen edge-on, the dark core, and the bright photon ring.
    const auto disc = [](double x, double y) { return (std::hypot(x, y / 0.32) - 19) * 0.32; };
    const auto ring = [](double x, double y) {
        return std::abs(std::hypot(x, y / 0.32) - 15) * 0.32 - 1.2;
    };
    pen.Light(ring, {255, 140, 40}, 5, 0.6);
    pen.Shape(
        [disc](double x, double y) {
            return std::max(disc(x, y), 6 - std::hypot(x, y / 0.32) * 0.32 - 1);
        },
        [](double x, double) {
            return Mix(Rgb{255, 120, 30}, Rgb{255, 230, 170},
                       std::clamp(1 - std::abs(x) / 19, 0.0, 1.0));
        },
        0.85);
    const auto halo = [](double x, double y) { return SdRing(x, y, 0, 0, 9, 1.2); };
    pen.Light(halo, {255, 200, 120}, 6, 0.7);
    pen.Shape(halo, Rgb{255, 220, 160});
    pen.Disc(0, 0, 8, {2, 2, 4});
    // The part of the disc in front of the core.
    pen.Shape(
        [](double x, double y) {
            return std::max(SdSegment(x, y, {-18, 0}, {18, 0}, 1.6), -y - 0.5);
        },
        Rgb{255, 170, 70});
}

void Aqua(Pen& pen) {
    const auto drop = [](double x, double y) {
        return std::min(SdCircle(x, y, 0, 3, 10),
                        SdPolygon(x, y, {{0, -18}, {8.6, -2}, {-8.6, -2}}));
    };
    const Rgb water{0, 170, 255};
    pen.Light(drop, water, 6, 0.5);
    pen.Shape(drop, [water](double, double y) {
        return Mix(Rgb{120, 230, 255}, water, std::clamp((y + 18) / 30, 0.0, 1.0));
    });
    // A highlight along the lower left of the drop.
    pen.Shape(
        [](double x, double y) {
            const double d = SdRing(x, y, 0, 3, 6.3, 1.1);
            return (x < 0 && y > 3) ? d : std::max(d, 1.5);
        },
        kWhiteLight, 0.75);
    pen.Disc(-4, -4, 1.4, kWhiteLight);
}

void Flare(Pen& pen) {
    const Rgb sun{255, 200, 80};
    const auto core = [](double x, double y) { return SdCircle(x, y, -3, -3, 6); };
    pen.Light(core, sun, 14, 0.8);
    for (int i = 0; i < 4; ++i) {
        const Pt a = Polar(20, 90.0 * i);
        pen.Faded(
            [a](double x, double y) {
                return SdSegment(x, y, {-3, -3}, {a.x - 3, a.y - 3}, 1.1);
            },
            [sun](double, double) { return Mix(sun, kWhiteLight, 0.4); },
            [](double x, double y) { return 1 - std::min(1.0, std::hypot(x + 3, y + 3) / 21); });
    }
    Rays(pen, -3, -3, 4, 8, 13, 1.3, sun, 45);
    pen.Shape(core, [](double x, double y) {
        return Mix(kWhiteLight, Rgb{255, 210, 110}, std::min(1.0, std::hypot(x + 3, y + 3) / 6));
    });
    pen.Shape([](double x, double y) { return SdRing(x, y, 10, 10, 3.6, 0.8); }, Rgb{120, 200, 255},
              0.7);
    pen.Disc(15, 15, 1.6, {255, 140, 200});
}

void Tree(Pen& pen, double x, double base, double height, Rgb color) {
    const double w = height * 0.42;
    pen.Line({x, base}, {x, base - 4}, 2.4, {120, 80, 50});
    for (int tier = 0; tier < 3; ++tier) {
        const double top = base - height + tier * height * 0.22;
        const double bottom = base - 3 - (2 - tier) * height * 0.16;
        const double half = w * (0.55 + 0.22 * tier);
        pen.Shape(
            [=](double px, double py) {
                return SdPolygon(px, py, {{x, top}, {x + half, bottom}, {x - half, bottom}});
            },
            [=](double, double py) {
                return Mix(Mix(color, kWhiteLight, 0.25), color, (py - top) / (bottom - top));
            });
    }
}

void Forest(Pen& pen) {
    pen.Light([](double x, double y) { return SdRoundRect(x, y, -20, 15, 20, 17, 1); },
              {60, 220, 110}, 5, 0.5);
    Tree(pen, -11, 16, 22, {30, 170, 90});
    Tree(pen, 11, 16, 24, {40, 190, 100});
    Tree(pen, 0, 17, 33, {60, 220, 120});
    pen.Shape([](double x, double y) { return SdRoundRect(x, y, -21, 16, 21, 18, 1); },
              Rgb{60, 200, 110});
}

void Starry(Pen& pen) {
    const Rgb moon{255, 236, 160};
    const auto crescent = [](double x, double y) {
        return std::max(SdCircle(x, y, -4, -3, 11), -SdCircle(x, y, 1.5, -7, 9.5));
    };
    pen.Light(crescent, moon, 8, 0.6);
    pen.Shape(crescent, moon);
    pen.Star(12, -11, 4.5, {200, 230, 255});
    pen.Star(13, 9, 3.5, kWhiteLight);
    pen.Star(3, 16, 2.5, {200, 230, 255});
    pen.Disc(-15, 14, 1.1, kWhiteLight);
    pen.Disc(17, -1, 1, kWhiteLight);
}

void FireWork(Pen& pen) {
    for (int i = 0; i < 12; ++i) {
        const double a = 360.0 * i / 12 + 8;
        const Rgb color = HueColor(30.0 * i);
        const Pt from = Polar(6, a);
        const Pt to = Polar(i % 2 == 0 ? 16 : 13, a);
        pen.Faded([from, to](double x, double y) { return SdSegment(x, y, from, to, 1.1); },
                  [color](double, double) { return color; },
                  [](double x, double y) { return std::clamp(std::hypot(x, y) / 14, 0.2, 1.0); });
        const Pt dot = Polar(i % 2 == 0 ? 19 : 16, a);
        pen.Light([dot](double x, double y) { return SdCircle(x, y, dot.x, dot.y, 1.5); }, color, 4,
                  0.7);
        pen.Disc(dot.x, dot.y, 1.5, Mix(color, kWhiteLight, 0.4));
    }
    pen.Star(0, 0, 5, kWhiteLight);
}

void Lava(Pen& pen) {
    const Rgb lava{255, 90, 20};
    const auto mountain = [](double x, double y) {
        return SdPolygon(x, y, {{-7, -4}, {7, -4}, {21, 18}, {-21, 18}});
    };
    pen.Shape(mountain, [](double, double y) {
        return Mix(Rgb{110, 52, 40}, Rgb{60, 30, 28}, (y + 4) / 22);
    });
    // Lava running down the slopes.
    const auto flows = [](double x, double y) {
        return std::min({SdSegment(x, y, {-3, -4}, {-9, 9}, 1.5),
                         SdSegment(x, y, {3, -4}, {6, 5}, 1.3),
                         SdSegment(x, y, {6, 5}, {11, 14}, 1.1)});
    };
    pen.Light(flows, lava, 4, 0.6);
    pen.Shape(flows, Rgb{255, 130, 40});
    // The crater's glow and the spray.
    const auto crater = [](double x, double y) { return SdRoundRect(x, y, -7, -6, 7, -3, 1.5); };
    pen.Light(crater, lava, 8, 0.9);
    pen.Shape(crater, Rgb{255, 200, 80});
    pen.Disc(-5, -12, 2.2, {255, 120, 30});
    pen.Disc(3, -16, 2.6, {255, 170, 50});
    pen.Disc(8, -10, 1.6, {255, 90, 20});
    pen.Disc(-1, -19, 1.3, {255, 200, 90});
}

void Tetris(Pen& pen) {
    struct Cell {
        int col;
        int row;
        Rgb color;
    };
    const Rgb cyan{0, 220, 255};
    const Rgb purple{190, 70, 255};
    const Rgb orange{255, 150, 30};
    const Rgb green{70, 230, 90};
    const Cell cells[] = {{0, 4, cyan},   {1, 4, cyan},   {2, 4, cyan},   {3, 4, cyan},   // I
                          {4, 4, orange}, {4, 3, orange}, {4, 2, orange}, {3, 3, green},  // L and S
                          {2, 3, green},  {2, 2, green},  {1, 2, green},  {0, 3, purple},  // T
                          {1, 3, purple}, {0, 2, purple}, {1, 1, purple}};
    constexpr double kSize = 7.6;
    for (const Cell& cell : cells) {
        const double l = -19 + cell.col * kSize;
        const double t = -20 + cell.row * kSize + 0.5;
        const Rgb color = cell.color;
        pen.Shape(
            [=](double x, double y) {
                return SdRoundRect(x, y, l + 0.4, t + 0.4, l + kSize - 0.4, t + kSize - 0.4, 1.2);
            },
            [=](double x, double y) {
                return (x - l + y - t) < 5 ? Mix(color, kWhiteLight, 0.35) : color;
            });
    }
    // A falling piece.
    pen.Shape([](double x, double y) { return SdRoundRect(x, y, 6.2, -19.5, 13.0, -12.7, 1.2); },
              Rgb{255, 220, 40});
    pen.Shape([](double x, double y) { return SdRoundRect(x, y, 13.8, -19.5, 20.6, -12.7, 1.2); },
              Rgb{255, 220, 40});
}

void CenterMeteor(Pen& pen) {
    for (const double side : {-1.0, 1.0}) {
        const Pt head{side * 5.5, 0};
        const Pt tail{side * 21, 0};
        const Rgb color = side < 0 ? Rgb{0, 200, 255} : Rgb{230, 70, 255};
        pen.Faded(
            [=](double x, double y) {
                const double along = std::clamp((x - tail.x) / (head.x - tail.x), 0.0, 1.0);
                return SdSegment(x, y, tail, head, 0.4 + 3.2 * along);
            },
            [color](double, double) { return color; },
            [=](double x, double) {
                return std::clamp((x - tail.x) / (head.x - tail.x), 0.0, 1.0);
            });
        const auto core = [head](double x, double y) {
            return SdCircle(x, y, head.x, head.y, 3.6);
        };
        pen.Light(core, color, 6, 0.8);
        pen.Shape(core, Mix(color, kWhiteLight, 0.55));
    }
    pen.Star(0, 0, 6, kWhiteLight);
    pen.Shape(
        [](double x, double y) {
            return SdSegment(x, y, {-21, -12}, {21, -12}, 0.6);
        },
        Rgb{90, 120, 150}, 0.6);
    pen.Shape(
        [](double x, double y) {
            return SdSegment(x, y, {-21, 12}, {21, 12}, 0.6);
        },
        Rgb{90, 120, 150}, 0.6);
}

}  // namespace

void DrawPictogram(int effect, Pen& pen) {
    using Draw = void (*)(Pen&);
    constexpr Draw kDrawings[24] = {
        ColorBreathe, Rainbow,   Breathe, Off,     TwoBlink,  Blink,      Static, Vespane,
        Sakura,       Emergency, Laser,   Marquee, Twinkling, ColorCycle, Meteor, BlackHole,
        Aqua,         Flare,     Forest,  Starry,  FireWork,  Lava,       Tetris, CenterMeteor};
    if (effect >= 1 && effect <= 24) kDrawings[effect - 1](pen);
}

}  // namespace art
