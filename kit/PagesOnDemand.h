#pragma once

#include <functional>
#include <map>

// The pages of a tabbed reading that are made and filled only when the user
// first turns to them: a new window then lays out only the page on screen.
namespace velmora::kit {

class PagesOnDemand {
public:
    // `build` makes the page's controls; `fill` shows the current reading in
    // them. Both run when the page at `index` is first shown, `fill` again
    // when it is shown after a new reading.
    void add(int index, std::function<void()> build, std::function<void()> fill)
    {
        pages_[index] = {std::move(build), std::move(fill)};
    }

    // The page at `index` is on screen.
    void show(int index)
    {
        const auto found = pages_.find(index);
        if (found == pages_.end())
            return;
        Page& page = found->second;
        if (!page.built) {
            page.build();
            page.built = true;
        }
        if (!page.filled) {
            page.fill();
            page.filled = true;
        }
    }

    // A new reading: every page is filled again when next shown, the one on
    // screen now.
    void readingChanged(int currentIndex)
    {
        for (auto& [index, page] : pages_)
            page.filled = false;
        show(currentIndex);
    }

private:
    struct Page {
        std::function<void()> build;
        std::function<void()> fill;
        bool built = false;
        bool filled = false;
    };
    std::map<int, Page> pages_;
};

} // namespace velmora::kit
