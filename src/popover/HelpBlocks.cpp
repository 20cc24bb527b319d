// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "HelpBlocks.h"

#include "ExpandCollapseButton.h"

#include <QVBoxLayout>

HelpBlocks::HelpBlocks(QVBoxLayout& stack) : _stack(stack) {}

int HelpBlocks::add(QWidget& block, QWidget& anchor, ExpandCollapseButton& button) {
    _blocks.append({&block, &anchor, &button});
    close(_blocks.last());
    return int(_blocks.size()) - 1;
}

void HelpBlocks::toggle(int index) {
    Block& block = _blocks[index];
    if (block.open) {
        close(block);
        return;
    }
    for (Block& other : _blocks) {
        if (other.open)
            close(other);
    }
    _stack.insertWidget(_stack.indexOf(block.anchor) + 1, block.view);
    block.view->show();
    block.button->setImagesForOpenBlock(true);
    block.open = true;
}

void HelpBlocks::close(Block& block) {
    _stack.removeWidget(block.view);
    block.view->hide();
    block.button->setImagesForOpenBlock(false);
    block.open = false;
}
