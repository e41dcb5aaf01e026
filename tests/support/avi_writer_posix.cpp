// Uncompressed AVI clips written through libavformat: raw 24-bit frames,
// one packet each.

extern "C" {
#include <libavformat/avformat.h>
}

#include "mapped_pictures.h"

namespace testpics {

namespace {

std::vector<uint8_t> frameBytes(int width, int height, Halves colours) {
  std::vector<uint8_t> bytes;
  for (int y = 0; y < height; ++y) {
    const Rgb c = y < height / 2 ? colours.upper : colours.lower;
    for (int x = 0; x < width; ++x) bytes.insert(bytes.end(), {c.b, c.g, c.r});
  }
  return bytes;
}

bool writeFrames(AVFormatContext* format, int width, int height,
                 const std::vector<Halves>& frames) {
  AVPacket* packet = av_packet_alloc();
  bool written = packet != nullptr;
  for (size_t i = 0; written && i < frames.size(); ++i) {
    std::vector<uint8_t> bytes = frameBytes(width, height, frames[i]);
    written = av_new_packet(packet, int(bytes.size())) == 0;
    if (!written) break;
    std::copy(bytes.begin(), bytes.end(), packet->data);
    packet->pts = packet->dts = int64_t(i);
    packet->duration = 1;
    packet->flags |= AV_PKT_FLAG_KEY;
    written = av_write_frame(format, packet) == 0;
    av_packet_unref(packet);
  }
  av_packet_free(&packet);
  return written;
}

}  // namespace

bool writeAvi(const std::string& path, int width, int height, const std::vector<Halves>& frames) {
  AVFormatContext* format = nullptr;
  if (avformat_alloc_output_context2(&format, nullptr, "avi", path.c_str()) < 0) return false;
  AVStream* stream = avformat_new_stream(format, nullptr);
  bool written = stream != nullptr;
  if (written) {
    stream->time_base = AVRational{1, 25};
    AVCodecParameters* p = stream->codecpar;
    p->codec_type = AVMEDIA_TYPE_VIDEO;
    p->codec_id = AV_CODEC_ID_RAWVIDEO;
    p->format = AV_PIX_FMT_BGR24;
    p->bits_per_coded_sample = 24;
    p->width = width;
    p->height = height;
    written = avio_open(&format->pb, path.c_str(), AVIO_FLAG_WRITE) >= 0;
  }
  written = written && avformat_write_header(format, nullptr) >= 0 &&
            writeFrames(format, width, height, frames) && av_write_trailer(format) == 0;
  if (format->pb) avio_closep(&format->pb);
  avformat_free_context(format);
  return written;
}

}  // namespace testpics
