// The templates of the Target, Output, Listing and User pages, as data. Controls are
// listed in reading order, which is also their tab order.
#pragma once

#include "src/ui/framework/dialog_template.h"

namespace zrt {

// Template 108.
ui::DialogTemplate TargetPageTemplate();
// Template 107.
ui::DialogTemplate OutputPageTemplate();
// Template 109.
ui::DialogTemplate ListingPageTemplate();
// Template 110.
ui::DialogTemplate UserPageTemplate();

}  // namespace zrt
