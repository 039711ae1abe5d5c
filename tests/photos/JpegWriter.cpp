#include "JpegWriter.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

#include <jpeglib.h>

namespace {

QByteArray compress(int width, int height, int components, J_COLOR_SPACE space, const JpegWriter::Options& options,
                    const std::vector<JSAMPLE>& samples)
{
    jpeg_compress_struct cinfo;
    jpeg_error_mgr errors;
    cinfo.err = jpeg_std_error(&errors);
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = JDIMENSION(width);
    cinfo.image_height = JDIMENSION(height);
    cinfo.input_components = components;
    cinfo.in_color_space = space;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, options.quality, TRUE);
    if (options.fullChroma)
        for (int i = 0; i < cinfo.num_components; ++i)
            cinfo.comp_info[i].h_samp_factor = cinfo.comp_info[i].v_samp_factor = 1;

    std::vector<jpeg_scan_info> script;
    if (options.scans == JpegWriter::Scans::Progressive) {
        jpeg_simple_progression(&cinfo);
    } else if (options.scans == JpegWriter::Scans::EveryBit) {
        // DC of all components, then for each component and AC coefficient a
        // first scan at the lowest precision and one refinement per bit.
        const int lowest = 10;
        script.push_back({cinfo.num_components, {0, 1, 2, 3}, 0, 0, 0, 0});
        for (int c = 0; c < cinfo.num_components; ++c)
            for (int k = 1; k < DCTSIZE2; ++k) {
                script.push_back({1, {c}, k, k, 0, lowest});
                for (int bit = lowest; bit > 0; --bit)
                    script.push_back({1, {c}, k, k, bit, bit - 1});
            }
        cinfo.scan_info = script.data();
        cinfo.num_scans = int(script.size());
    }

    jpeg_start_compress(&cinfo, TRUE);
    const size_t stride = size_t(width) * components;
    while (cinfo.next_scanline < cinfo.image_height) {
        auto row = const_cast<JSAMPROW>(samples.data() + cinfo.next_scanline * stride);
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    const QByteArray bytes(reinterpret_cast<const char*>(buffer), qsizetype(size));
    std::free(buffer);
    return bytes;
}

} // namespace

QByteArray JpegWriter::encode(const QImage& image, const Options& options)
{
    const bool gray = image.format() == QImage::Format_Grayscale8;
    const QImage source = gray ? image : image.convertToFormat(QImage::Format_RGB888);
    const int components = gray ? 1 : 3;
    std::vector<JSAMPLE> samples;
    samples.reserve(size_t(source.width()) * source.height() * components);
    for (int y = 0; y < source.height(); ++y) {
        const uchar* line = source.constScanLine(y);
        samples.insert(samples.end(), line, line + size_t(source.width()) * components);
    }
    return compress(source.width(), source.height(), components, gray ? JCS_GRAYSCALE : JCS_RGB, options, samples);
}

QByteArray JpegWriter::encodeInvertedCmyk(const QSize& size, const QList<quint32>& pixelsRowByRow)
{
    std::vector<JSAMPLE> samples;
    for (const quint32 cmyk : pixelsRowByRow)
        for (const int shift : {24, 16, 8, 0})
            samples.push_back(JSAMPLE((cmyk >> shift) & 0xFF));
    // libjpeg writes the Adobe marker for CMYK input by itself.
    return compress(size.width(), size.height(), 4, JCS_CMYK, Options{}, samples);
}

int JpegWriter::scanCount(const QByteArray& jpeg)
{
    // Walks the marker segments up to each scan and skips its entropy-coded data
    // (where FF is followed by 00 or a restart marker).
    int scans = 0;
    qsizetype pos = 2;
    while (pos + 4 <= jpeg.size()) {
        if (uchar(jpeg[pos]) != 0xFF)
            return -1;
        const uchar marker = uchar(jpeg[pos + 1]);
        if (marker == 0xD9)
            break;
        const int length = (uchar(jpeg[pos + 2]) << 8) | uchar(jpeg[pos + 3]);
        pos += 2 + length;
        if (marker != 0xDA)
            continue;
        ++scans;
        while (pos + 1 < jpeg.size() && !(uchar(jpeg[pos]) == 0xFF && uchar(jpeg[pos + 1]) != 0 &&
                                          (uchar(jpeg[pos + 1]) < 0xD0 || uchar(jpeg[pos + 1]) > 0xD7)))
            ++pos;
    }
    return scans;
}
