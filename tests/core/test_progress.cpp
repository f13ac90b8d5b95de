// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Progress keys: the file's name, safely escaped, and a hash that changes with the content.
#include "core/content_hash.h"
#include "core/level_file.h"
#include "core/progress.h"

#include <gtest/gtest.h>

namespace prismora {
namespace {

TEST(ProgressTest, AnEditedFileGetsANewKeyAndTheLoaderHashesWhatItRead)
{
    const std::string original = "[LevelParametrar]\r\nNamn=Första\r\n";
    std::string edited = original;
    edited.back() = ' ';
    EXPECT_NE(contentHash(original), contentHash(edited));
    EXPECT_NE(progressKey("Level01.prl", contentHash(original)),
              progressKey("Level01.prl", contentHash(edited)));
    EXPECT_NE(progressKey("Level01.prl", 7), progressKey("Level02.prl", 7));
    EXPECT_EQ(parseLevel(original).contentHash, contentHash(original));
    EXPECT_EQ(contentHash(""), 0xcbf29ce484222325u);
    EXPECT_EQ(contentHash("a"), 0xaf63dc4c8601ec8cu) << "the published FNV-1a value";
}

TEST(ProgressTest, KeysHoldNoGroupSeparatorsAndStayApart)
{
    EXPECT_EQ(progressKey("Level01.prl", 0x0123456789abcdefu), "Level01.prl-0123456789abcdef");
    EXPECT_EQ(progressKey("Le/\\é.prl", 1), "Le%2F%5C%C3%A9.prl-0000000000000001");
    EXPECT_NE(progressKey("a b", 1), progressKey("a%20b", 1)) << "a literal % is escaped too";
}

} // namespace
} // namespace prismora
