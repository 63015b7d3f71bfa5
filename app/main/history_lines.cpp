#include "app/main/history_lines.h"

#include "app/main/field_numbers.h"

namespace zentrel {

std::string angleLine(AngleUnit unit) {
    switch (unit) {
        case AngleUnit::Degree:
            return ":deg";
        case AngleUnit::Grad:
            return ":grad";
        case AngleUnit::Radian:
            break;
    }
    return ":rad";
}

std::string windowLine(const WorldTransform& transform, std::int32_t width, std::int32_t height,
                       std::uint8_t background, std::uint8_t axes) {
    const auto centreX = [&](double column) {
        return (column + 0.5 - transform.offsetX) / transform.scaleX;
    };
    const auto centreY = [&](double row) {
        return (row + 0.5 - transform.offsetY) / transform.scaleY;
    };
    return "window " + languageConstant(centreX(0)) + ' ' + languageConstant(centreY(height - 1)) +
           ' ' + languageConstant(centreX(width - 1)) + ' ' + languageConstant(centreY(0)) + ' ' +
           std::to_string(background) + ' ' + std::to_string(axes);
}

namespace {

std::string logScaleLine(const LogScale& x, const LogScale& y) {
    if (x.on && y.on && x.base == y.base) return ":logscale xy " + languageConstant(x.base);
    const std::string xPart = x.on ? ":logscale x " + languageConstant(x.base) : ":nologscale x";
    const std::string yPart = y.on ? ":logscale y " + languageConstant(y.base) : ":nologscale y";
    if (!x.on && !y.on) return ":nologscale xy";
    return xPart + "; " + yPart;
}

}  // namespace

std::vector<std::string> modeLines(const PlotSettings& settings) {
    if (settings.isMode(CoordinateMode::Parametric)) return {":parametric"};
    if (settings.isMode(CoordinateMode::Polar)) return {":polar"};
    return {":rectangular", logScaleLine(settings.logX, settings.logY)};
}

std::string plotLine(const PlotLine& plot) {
    std::string line = ":plot";
    for (const std::string& expression : plot.expressions)
        line += ' ' + expression;
    if (plot.range) {
        line += ' ' + languageConstant(plot.range->min) + ' ' + languageConstant(plot.range->max) +
                ' ' + languageConstant(plot.range->pitch);
    }
    if (plot.colour) line += ' ' + std::to_string(*plot.colour);
    return line;
}

}  // namespace zentrel
