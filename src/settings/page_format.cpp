#include "settings/page_format.h"

namespace quindor {

PageFormatDefaults PageFormatFromSettings(const Settings& settings) {
    PageFormatDefaults defaults;
    defaults.SeitRatioArt = settings.DokSeitRatioArt;
    defaults.SeitRatioBreite = settings.DokSeitRatioBreite;
    defaults.SeitRatioHoehe = settings.DokSeitRatioHoehe;
    return defaults;
}

} // namespace quindor
