#include "RecordingInputs.h"

#include <gst/gst.h>

#include <memory>

namespace {

// The recorder's ids of ALSA devices start so; the rest is ALSA's name.
const QLatin1String kAlsaInputPrefix("alsa:");

struct ElementRelease {
    void operator()(GstElement* element) const
    {
        gst_element_set_state(element, GST_STATE_NULL);
        gst_object_unref(element);
    }
};

bool alsaSourceOpens(const QString& device)
{
    gst_init(nullptr, nullptr);
    GstElement* made = gst_element_factory_make("alsasrc", nullptr);
    if (!made)
        return false;
    const std::unique_ptr<GstElement, ElementRelease> source(GST_ELEMENT(gst_object_ref_sink(made)));
    g_object_set(source.get(), "device", device.toLocal8Bit().constData(), nullptr);
    return gst_element_set_state(source.get(), GST_STATE_READY) == GST_STATE_CHANGE_SUCCESS;
}

} // namespace

bool RecordingInputs::canRecord(const QString& inputId)
{
    return !inputId.startsWith(kAlsaInputPrefix) || alsaSourceOpens(inputId.mid(kAlsaInputPrefix.size()));
}
