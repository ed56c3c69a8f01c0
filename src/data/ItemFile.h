#pragma once
// The item export: "Items.txt", or "Itemsnew.txt" when there is no "Items.txt".

#include "data/DataFile.h"
#include "data/GameData.h"

#include <atomic>
#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace vantor {

// Builds an item's ability summary (Special); the description layer supplies it, since the
// summary names spells.
using ItemDescriber = std::function<void(TItem&)>;

// Parses one line of 59 fields into an item with its derived fields (record fields taken from the
// abilities, worn location 13 stored as 4). Throws EConvertError on a bad number.
TItem ParseItemLine(std::string_view line);
void ParseItemLine(std::string_view line, TItem& item);  // into a fresh item

// Parses one line, builds its summary and appends the item unless its name contains "sdf".
void Read1Item(std::string_view line, ItemList& items, const ItemDescriber& describe);

// Reads the item file of dataDir (if any) into items.
void ReadItemData(const std::string& dataDir, ItemList& items, const ItemDescriber& describe, const Pump& pump);

// The item file read in pieces by any number of threads at once, each piece a run of whole lines.
class ItemFileReader {
public:
    // Opens the item file of dataDir (none: no items), to be read in pieces of about pieceBytes.
    // Throws EInOutError when it cannot.
    void Open(const std::string& dataDir, size_t pieceBytes = kPieceBytes);
    // Parses pieces, without their texts, until no piece is left to take; several threads may
    // call it at once. pump is called between pieces.
    void ParsePieces(const Pump& pump);
    // Once every piece is parsed: appends the items of the file up to its first bad line to
    // items, then throws that line's error (EConvertError with the file and line).
    void Finish(ItemList& items);

private:
    struct Piece {
        ItemList Items;
        long long Lines = 0;  // lines in the piece, or the number of its bad line
        std::exception_ptr Error;
    };
    std::string path_;
    std::unique_ptr<LinePieces> file_;
    std::vector<Piece> pieces_;
    std::atomic<size_t> next_{0};
};

}  // namespace vantor
