#include "ui/pages/PageRegistry.h"

#include "html/PageTraits.h"
#include "ui/pages/body/PageBody.h"
#include "ui/pages/color/PageColor.h"
#include "ui/pages/rule/PageRule.h"
#include "ui/pages/table/PageTable.h"
#include "ui/pages/text/PageText.h"

#include <array>

namespace {

template <class Page> HtmlPage* Build(PageHost& host, QWidget* parent) {
    return new Page(host, parent);
}

constexpr std::array kPages = {
    PageRegistration{Pages::Text, Build<PageText>},
    PageRegistration{Pages::Table, Build<PageTable>},
    PageRegistration{Pages::Body, Build<PageBody>},
    PageRegistration{Pages::Rule, Build<PageRule>},
    PageRegistration{Pages::Color, Build<PageColor>},
};

} // namespace

std::span<const PageRegistration> RegisteredPages() {
    return kPages;
}

const PageTraits& StartPage() {
    return Pages::Body;
}
