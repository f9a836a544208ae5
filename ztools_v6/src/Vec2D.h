// A pair of doubles (x, y): a point or a vector in the plane.
#pragma once

#include <cmath>

#include "ContractViolation.h"

namespace ZTools {

class Vec2D {
  public:
    Vec2D() : data{0.0, 0.0} {}
    Vec2D(double x, double y) : data{x, y} {}

    // Coordinate indx: 0 is x, 1 is y. Any other index throws ContractViolation.
    double& operator[](int indx) {
        CheckIndex(indx);
        return data[indx];
    }
    const double& operator[](int indx) const {
        CheckIndex(indx);
        return data[indx];
    }

    double X() const { return data[0]; }
    double Y() const { return data[1]; }
    void SetX(double x) { data[0] = x; }
    void SetY(double y) { data[1] = y; }

    Vec2D& operator+=(const Vec2D& v) {
        data[0] += v.data[0];
        data[1] += v.data[1];
        return *this;
    }
    Vec2D& operator-=(const Vec2D& v) {
        data[0] -= v.data[0];
        data[1] -= v.data[1];
        return *this;
    }
    Vec2D& operator*=(double s) {
        data[0] *= s;
        data[1] *= s;
        return *this;
    }
    Vec2D& operator/=(double s) {
        data[0] /= s;
        data[1] /= s;
        return *this;
    }
    Vec2D operator-() const { return Vec2D(-data[0], -data[1]); }

    double Magnitude() const { return std::hypot(data[0], data[1]); }
    // Scales the vector to length 1; a zero vector has no direction and is left unchanged.
    void Normalize() {
        const double m = Magnitude();
        if (m > 0.0) *this /= m;
    }
    // Component-wise maximum / minimum with v, in place (used to grow bounding boxes).
    void Maxv(const Vec2D& v) {
        data[0] = std::fmax(data[0], v.data[0]);
        data[1] = std::fmax(data[1], v.data[1]);
    }
    void Minv(const Vec2D& v) {
        data[0] = std::fmin(data[0], v.data[0]);
        data[1] = std::fmin(data[1], v.data[1]);
    }

  private:
    static void CheckIndex(int indx) {
        if (!((indx == 0) || (indx == 1))) throw ContractViolation(Condition::kVec2DIndex);
    }

    double data[2];  // x then y
};

}  // namespace ZTools
