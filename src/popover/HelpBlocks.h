// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include <QList>

class ExpandCollapseButton;
class QVBoxLayout;
class QWidget;

// The help blocks of a view's stack, each opened by its button right under its anchor; at most one
// is open. A closed block is out of the stack and hidden, kept by its owner.
class HelpBlocks {
public:
    explicit HelpBlocks(QVBoxLayout& stack);

    // Returns the block's index; the block leaves the stack now.
    int add(QWidget& block, QWidget& anchor, ExpandCollapseButton& button);
    // Closes the block if open, else closes the others and opens it.
    void toggle(int index);
    bool isOpen(int index) const { return _blocks[index].open; }

private:
    struct Block {
        QWidget* view;
        QWidget* anchor;
        ExpandCollapseButton* button;
        bool open = false;
    };
    void close(Block& block);

    QVBoxLayout& _stack;
    QList<Block> _blocks;
};
