#include "update/update_notice.h"

#include <utility>

#include "update/update_ui.h"

namespace pellavan::update {

UpdateNotice::UpdateNotice(const std::string& VersionText, const std::string& WebVersionText,
                           std::string update_page, WebBrowser& browser)
    : notice_text_("Your version of  Pellavan (" + VersionText + ") is not current. " +
                   "The latest version is (" + WebVersionText + "). To ensure having " +
                   "the most recent features and data please download the latest version from "
                   "our web site by clicking on the link below.  Be sure to close this session "
                   "of Pellavan before installing your update."),
      update_page_(std::move(update_page)),
      browser_(browser) {}

void UpdateNotice::OpenWebPage() const { browser_.open(update_page_); }

}  // namespace pellavan::update
