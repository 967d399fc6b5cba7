#pragma once

#include <QByteArray>
#include <QPainter>
#include <QString>

#include <functional>
#include <vector>

namespace velmor {

// Blocks of a report laid on A4 pages top to bottom: a block that does not fit on what is left
// of a page starts the next one, under the running head of its part. Each page ends in a footer
// "<footer>    page N of M".
class PageFlow {
public:
    using Draw = std::function<void(QPainter&, double top)>;

    // Starts a part on a new page; its running head heads the pages it runs on to.
    void newPart(double headHeight = 0, Draw head = {});
    void add(double height, Draw draw);

    int pageCount() const { return pages_; }
    QByteArray pdf(const QString& title, const QString& footer) const;

private:
    struct Block {
        int page;
        double top;
        Draw draw;
    };
    void newPage();

    std::vector<Block> blocks_;
    int pages_ = 0;
    double y_ = 0;
    double headHeight_ = 0;
    Draw head_;
};

} // namespace velmor
