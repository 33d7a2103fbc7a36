#include "progressbar/ProgressBarModel.h"

#include <algorithm>
#include <utility>

namespace orvane {

std::string_view ProgressBarModel::Description(std::string_view member) {
    static constexpr std::pair<std::string_view, std::string_view> kDescriptions[]{
        {"Segments", "Gets/sets whether the bar is split into segments.  Not applicable when "
                     "XPStyle is set."},
        {"XpStyle", "Gets/sets whether the bar is displayed using XP Visual Styles.  Only valid "
                    "on XP systems or above."},
        {"Text", "Gets/sets the text to display when ShowText is set."},
        {"TextAlignX", "Gets/sets the horizontal alignment of the text."},
        {"TextAlignY", "Gets/sets the vertical alignment of the text."},
        {"ShowText", "Gets/sets whether text is shown over the bar."},
        {"Percent", "Gets the current progress bar percentage complete."},
        {"Min", "Gets/sets the minimum value of the bar."},
        {"Max", "Gets/sets the maximum value of the bar."},
        {"Value", "Gets/sets the value of the bar."},
        {"BorderStyle",
         "Gets/sets the border style of the control. Not applicable when using XPStyle."},
        {"Appearance", "Gets/sets the border appearance of the control.  Not applicable when "
                       "using XPStyle."},
        {"BackColor",
         "Gets/sets the back colour of the control. Not applicable when using XPStyle."},
        {"ForeColor",
         "Gets/sets the colour of text which is drawn over the background of the bar."},
        {"Font", "Gets/sets the font used to draw text on the progress bar."},
        {"BarColor",
         "Gets/sets the colour of the progress bar.  Not applicable when using XPStyle."},
        {"BarForeColor", "Gets/sets the colour of text which is drawn over the bar."},
        {"ModifyBarPicture", "Applies image processing to the bar picture, allowing you to adjust "
                             "the luminance or saturation of the image."},
        {"ModifyPicture", "Applies image processing to the background picture, allowing you to "
                          "adjust the luminance or saturation of the image."},
        {"BarPicture", "Gets/sets a picture to use as the bar in the progress bar."},
        {"BarPictureMode", "Gets/sets the drawing mode (stretch or tile) applied when drawing "
                           "the bar picture."},
        {"BackPictureMode", "Gets/sets the drawing mode (stretch or tile) applied when drawing "
                            "the background picture."},
        {"Picture", "Gets/sets the picture shown in the background of the progress bar control."},
    };
    const auto* found = std::find_if(std::begin(kDescriptions), std::end(kDescriptions),
                                     [&](const auto& entry) { return entry.first == member; });
    return found == std::end(kDescriptions) ? std::string_view() : found->second;
}

} // namespace orvane
