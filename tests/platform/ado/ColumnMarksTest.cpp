// The written-field marks of a row: held in one word for the first columns and moved to a block when a
// later column is marked, each mark kept through the move, copies and moves of the marks.
#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "platform/ado/ColumnMarks.h"

namespace {

using tlx::ado::ColumnMarks;

void ExpectMarked(const ColumnMarks& marks, const std::set<std::size_t>& marked, std::size_t upTo) {
    for (std::size_t column = 0; column < upTo; ++column)
        EXPECT_EQ(marks.Marked(column), marked.count(column) == 1) << "column " << column;
}

TEST(ColumnMarksTest, MarksAroundTheWordsEdgeAreKeptWhenTheMarksMoveToABlock) {
    ColumnMarks marks;
    ExpectMarked(marks, {}, 200);
    marks.Mark(0, 130);
    marks.Mark(61, 130);
    marks.Mark(62, 130);
    ExpectMarked(marks, {0, 61, 62}, 200);
    marks.Mark(63, 130);  // the first column past the word
    marks.Mark(129, 130);
    ExpectMarked(marks, {0, 61, 62, 63, 129}, 200);
    marks.Mark(150, 130);  // past the columns the row was said to have: the block grows
    marks.Mark(1, 130);
    ExpectMarked(marks, {0, 1, 61, 62, 63, 129, 150}, 300);
}

TEST(ColumnMarksTest, CopiesAndMovesKeepTheMarksApartAndClearForgetsThem) {
    for (std::size_t last : {std::size_t{10}, std::size_t{100}}) {
        ColumnMarks marks;
        marks.Mark(3, 128);
        marks.Mark(last, 128);
        ColumnMarks copy = marks;
        copy.Mark(5, 128);
        ExpectMarked(marks, {3, last}, 128);
        ExpectMarked(copy, {3, 5, last}, 128);

        ColumnMarks moved = std::move(copy);
        ExpectMarked(moved, {3, 5, last}, 128);
        copy = moved;  // a moved-from object takes a copy again
        ExpectMarked(copy, {3, 5, last}, 128);
        moved = std::move(marks);
        ExpectMarked(moved, {3, last}, 128);

        moved.Clear();
        ExpectMarked(moved, {}, 128);
        moved.Mark(last, 128);
        ExpectMarked(moved, {last}, 128);
    }
}

}  // namespace
