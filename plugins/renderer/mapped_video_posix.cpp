// AVI clips (and anything else the system's FFmpeg reads) through
// libavformat and libavcodec, converted to 24-bit pictures by libswscale.
// Frames are decoded in order; a frame before the last one decoded starts
// the file again.

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libswscale/swscale.h>
}

#include <mutex>

#include "mapped_clip.h"

namespace rnd {

namespace {

class FfmpegClip final : public MappedClip {
 public:
  explicit FfmpegClip(std::string path) : path_(std::move(path)) {}
  ~FfmpegClip() override { close(); }

  bool open();
  uint32_t frameCount() const override { return count_; }
  bool decode(uint32_t index, MappedFrame& out) override;

 private:
  bool openDecoder();
  uint32_t countFrames();
  bool decodeNext();
  bool convert(MappedFrame& out);
  void close();

  std::string path_;
  AVFormatContext* format_ = nullptr;
  AVCodecContext* codec_ = nullptr;
  AVPacket* packet_ = nullptr;
  AVFrame* frame_ = nullptr;
  SwsContext* scaler_ = nullptr;
  int stream_ = -1;
  uint32_t count_ = 0;
  uint32_t next_ = 0;  // index of the frame decodeNext() gives
  bool flushed_ = false;
};

bool FfmpegClip::open() {
  if (!openDecoder()) return false;
  const int64_t stated = format_->streams[stream_]->nb_frames;
  count_ = stated > 0 && stated <= INT32_MAX ? uint32_t(stated) : countFrames();
  return count_ > 0;
}

bool FfmpegClip::openDecoder() {
  close();
  if (avformat_open_input(&format_, path_.c_str(), nullptr, nullptr) < 0) return false;
  if (avformat_find_stream_info(format_, nullptr) < 0) return false;
  const AVCodec* decoder = nullptr;
  stream_ = av_find_best_stream(format_, AVMEDIA_TYPE_VIDEO, -1, -1, &decoder, 0);
  if (stream_ < 0 || !decoder) return false;
  const AVCodecParameters* parameters = format_->streams[stream_]->codecpar;
  if (!mappedSizeAllowed(parameters->width, parameters->height)) return false;
  codec_ = avcodec_alloc_context3(decoder);
  if (!codec_ || avcodec_parameters_to_context(codec_, parameters) < 0) return false;
  codec_->max_pixels = kMaxMappedPixels;
  codec_->thread_count = 1;
  if (avcodec_open2(codec_, decoder, nullptr) < 0) return false;
  packet_ = av_packet_alloc();
  frame_ = av_frame_alloc();
  next_ = 0;
  flushed_ = false;
  return packet_ && frame_;
}

// For files that do not say how many frames they hold: their video
// packets, counted once, then the file from its start again.
uint32_t FfmpegClip::countFrames() {
  uint32_t count = 0;
  while (count < INT32_MAX && av_read_frame(format_, packet_) >= 0) {
    if (packet_->stream_index == stream_) ++count;
    av_packet_unref(packet_);
  }
  return openDecoder() ? count : 0;
}

bool FfmpegClip::decodeNext() {
  for (;;) {
    const int received = avcodec_receive_frame(codec_, frame_);
    if (received == 0) return ++next_, true;
    if (received != AVERROR(EAGAIN) || flushed_) return false;
    const int read = av_read_frame(format_, packet_);
    if (read < 0) {
      flushed_ = true;
      avcodec_send_packet(codec_, nullptr);
      continue;
    }
    const bool ours = packet_->stream_index == stream_;
    const int sent = ours ? avcodec_send_packet(codec_, packet_) : 0;
    av_packet_unref(packet_);
    if (sent < 0 && sent != AVERROR(EAGAIN)) return false;
  }
}

bool FfmpegClip::convert(MappedFrame& out) {
  const AVPixelFormat from = static_cast<AVPixelFormat>(frame_->format);
  if (!out.allocate(frame_->width, frame_->height)) return false;
  scaler_ = sws_getCachedContext(scaler_, frame_->width, frame_->height, from, frame_->width,
                                 frame_->height, AV_PIX_FMT_BGR24, SWS_BILINEAR, nullptr,
                                 nullptr, nullptr);
  if (!scaler_) return false;
  uint8_t* rows[4] = {out.bgr.data(), nullptr, nullptr, nullptr};
  const int steps[4] = {int(out.width) * 3, 0, 0, 0};
  return sws_scale(scaler_, frame_->data, frame_->linesize, 0, frame_->height, rows, steps) ==
         frame_->height;
}

bool FfmpegClip::decode(uint32_t index, MappedFrame& out) {
  if (index >= count_) return false;
  if (index + 1 < next_ && !openDecoder()) return false;
  // The frame held in frame_ is index next_ - 1.
  while (next_ <= index)
    if (!decodeNext()) {
      // The file holds fewer frames than it says: its last one is held.
      if (next_ == 0 || next_ > index) return false;
      count_ = next_;
      return decode(count_ - 1, out);
    }
  return next_ == index + 1 && convert(out);
}

void FfmpegClip::close() {
  sws_freeContext(scaler_);
  scaler_ = nullptr;
  av_frame_free(&frame_);
  av_packet_free(&packet_);
  avcodec_free_context(&codec_);
  avformat_close_input(&format_);
  stream_ = -1;
}

}  // namespace

std::unique_ptr<MappedClip> openVideoClip(const std::string& path) {
  // A damaged file is the renderer's to report, as a surface that shows its
  // video source; the library's own messages would go to the host's
  // standard error.
  static std::once_flag quiet;
  std::call_once(quiet, [] { av_log_set_level(AV_LOG_QUIET); });
  auto clip = std::make_unique<FfmpegClip>(path);
  if (!clip->open()) return nullptr;
  return clip;
}

}  // namespace rnd
