#include "PageFlow.h"

#include "ReportPage.h"

#include <QCoreApplication>

namespace velmor {

namespace {

// Room at the foot of each page for its footer.
constexpr double footerHeight = 40;
constexpr double contentHeight = reportPageHeight - footerHeight;

} // namespace

void PageFlow::newPage() {
    ++pages_;
    y_ = 0;
}

void PageFlow::newPart(double headHeight, Draw head) {
    newPage();
    headHeight_ = headHeight;
    head_ = std::move(head);
}

void PageFlow::add(double height, Draw draw) {
    if (pages_ == 0)
        newPage();
    if (y_ > 0 && y_ + height > contentHeight) {
        newPage();
        if (head_) {
            blocks_.push_back({pages_ - 1, 0, head_});
            y_ = headHeight_;
        }
    }
    blocks_.push_back({pages_ - 1, y_, std::move(draw)});
    y_ += height;
}

QByteArray PageFlow::pdf(const QString& title, const QString& footer) const {
    std::size_t next = 0;
    return pagesPdf(title, pages_, [&](QPainter& p, int page) {
        for (; next < blocks_.size() && blocks_[next].page == page; ++next) {
            p.save();
            blocks_[next].draw(p, blocks_[next].top);
            p.restore();
        }
        p.setFont(reportFont(7));
        p.setPen(Qt::darkGray);
        p.drawText(QRectF(0, reportPageHeight - 24, p.window().width(), 24), Qt::AlignLeft,
                   QCoreApplication::translate("RunReport", "%1    page %2 of %3")
                       .arg(footer)
                       .arg(page + 1)
                       .arg(pages_));
    });
}

} // namespace velmor
