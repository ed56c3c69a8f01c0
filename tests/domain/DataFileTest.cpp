// Where the data files are found, and reading them in pieces.
#include "TestFiles.h"
#include "data/DataFile.h"
#include "data/Errors.h"

#include <gtest/gtest.h>

using namespace vantor;
using testfiles::TempDir;
using testfiles::operator+;

TEST(DataFile, ProgramFolderFirstThenThePlayers)
{
    TempDir program, player;
    const auto chosen = [&] { return ChooseDataDir(program.Path(), player.Path()); };
    EXPECT_EQ(chosen(), player.Path());  // nothing anywhere: the player's folder, to put files in
    player.Write("spells.txt", "");
    EXPECT_EQ(chosen(), player.Path());
    program.Write("SPELLSVTAB0.TXT", "");  // any data file, in any letter case
    EXPECT_EQ(chosen(), program.Path());
    EXPECT_FALSE(HoldsDataFiles(program.Path() + "/none"));
}

TEST(DataFile, ReadsAFileLargerThanItSaysItIs)
{
    // A /proc file reports a size of 0: the reader grows its room and still reads every line.
    std::vector<std::string> lines;
    ReadLines("/proc/self/status", nullptr, [&](std::string_view line) { lines.emplace_back(line); });
    ASSERT_GT(lines.size(), 5u);
    EXPECT_EQ(lines.front().substr(0, 5), "Name:");
}

TEST(DataFile, PiecesHoldEveryLineOnce)
{
    // Whatever the piece size, the pieces put together are the file, each piece whole lines.
    const std::string contents[] = {"",
                                    "\n",
                                    "a",
                                    "a\nb",
                                    "a\nb\n",
                                    "a\r\nb\r\n\r\n",
                                    "\n\n\nx\n\n",
                                    std::string(1000, 'x') + "\n" + std::string(10, 'y') + "\nlast",
                                    std::string(70000, 'z') + "\r\nshort\r\n" + std::string(1000, 'w')};
    for (const std::string& content : contents) {
        TempDir dir;
        dir.Write("f.txt", content);
        for (const size_t pieceBytes : {1, 2, 3, 7, 64, 65536, 1 << 20}) {
            const LinePieces pieces(dir.Path() + "/f.txt", pieceBytes);
            std::string whole, buffer;
            for (size_t k = 0; k < pieces.Count(); ++k) {
                const std::string_view piece = pieces.Read(k, buffer);
                EXPECT_TRUE(piece.empty() || whole.empty() || whole.back() == '\n') << pieceBytes;  // at a line start
                whole += piece;
            }
            EXPECT_TRUE(whole == content) << content.size() << " bytes in pieces of " << pieceBytes;
        }
    }
    EXPECT_THROW(LinePieces("/nonexistent/f.txt", 10), EInOutError);
}
