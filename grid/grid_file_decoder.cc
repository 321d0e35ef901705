#include "grid/grid_file_decoder.h"

#include "grid/grid_file.h"
#include "records/byte_reader.h"

namespace scenario {

Status DecodeGridFile(std::string_view bytes, std::vector<Cell>* cells) {
  if (bytes.empty())
    return Status::Error("a grid file holds at least one 15-byte cell, this one is empty");
  if (bytes.size() % kCellBytes != 0) {
    return Status::Error(
        "a grid file is a whole number of 15-byte cells, but " + std::to_string(bytes.size()) +
        " bytes are " + std::to_string(bytes.size() / kCellBytes) + " cells and " +
        std::to_string(bytes.size() % kCellBytes) + " bytes (truncated, or not a grid file)");
  }
  if (bytes.size() / kCellBytes > kMaxGridCells) {
    return Status::Error(std::to_string(bytes.size() / kCellBytes) + " cells are more than the " +
                         std::to_string(kMaxGridCells) + " of the longest route (1000000 m)");
  }
  cells->assign(bytes.size() / kCellBytes, Cell{});
  ByteReader in(bytes);
  for (Cell& cell : *cells) {
    // The size check above guarantees every read succeeds.
    in.ReadU8(&cell.cell_type);
    in.ReadI16(&cell.value_a);
    in.ReadI16(&cell.value_b);
    in.ReadI16(&cell.value_c);
    in.ReadI16(&cell.value_d);
    in.ReadU8(&cell.signal_time);
    in.ReadU8(&cell.approach_mark);
    in.ReadU8(&cell.tunnel_kind);
    in.ReadU8(&cell.speed_limit);
    in.ReadU8(&cell.gradient);
    in.ReadU8(&cell.adhesion);
  }
  return Status::OK();
}

}  // namespace scenario
