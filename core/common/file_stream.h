#pragma once

#include <cstddef>
#include <cstdio>
#include <string>

#include "core/common/byte_stream.h"

namespace fjordheim {

/// A file on disk read from or written to as a byte stream (buffered).
class TFileStream : public TByteStream {
 public:
  enum class TMode { Read, Create };

  /// Opens a regular file for reading, or creates (empties) a file for writing; the path
  /// is a path on this disk. Whether it worked tells `IsOpen`. Only regular files are
  /// opened for reading, so that a folder or a pipe can never make a reader wait or
  /// misread.
  TFileStream(const std::string& path, TMode mode);
  ~TFileStream() override;
  TFileStream(const TFileStream&) = delete;
  TFileStream& operator=(const TFileStream&) = delete;

  bool IsOpen() const { return FFile != nullptr; }

  std::size_t Read(void* buffer, std::size_t count) override;
  std::size_t Write(const void* buffer, std::size_t count) override;

  /// Writes out what is buffered and closes the file; false when any of it failed.
  bool Close();

 private:
  std::FILE* FFile = nullptr;
};

}  // namespace fjordheim
